// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli store: the window's write command from a terminal or standard input.
#include "cli/cli_runner.h"
#include "keystore/key_chain.h"
#include "keystore/key_file.h"
#include "keystore/remembered_master_field.h"

namespace sorvane::test_support {
namespace {

using StoreTest = CliTest;

TEST_F(StoreTest, stdinPlain_writesOneWindows1251LineWithCrLf) {
    const struct {
        std::string input;
        std::string file;
    } cases[] = {
        {"кот€\n", "\xea\xee\xf2\x88\r\n"},  // one LF taken off
        {"abc\r\n", "abc\r\n"},              // or one CR LF
        {"abc", "abc\r\n"},                  // or nothing
        {" a b \n", " a b \r\n"},            // blanks are the key's
        {"\n", "\r\n"},                      // the empty key, as the window stores it
    };
    for (const auto& c : cases) {
        const CliResult result = Run({"store", "a.key", "--stdin"}, c.input);
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_EQ(ReadBytes(dir_ / "a.key"), c.file) << c.input;
    }
}

TEST_F(StoreTest, stdinUnderMasterKeyFile_isEncodedAndShowGivesItBack) {
    SaveMasterKeyFile(U16("master.key"), u"мастер");
    ASSERT_EQ(Run({"store", "a.key", "--stdin", "--master-file", "master.key"}, "Ключ-42\n").exit_code, 0);
    EXPECT_EQ(DecodeKey(ReadKeyLine(U16("a.key")), u"мастер"), u"Ключ-42");
    EXPECT_EQ(Run({"show", "a.key", "--master-file", "master.key"}).out, "Ключ-42\n");
}

TEST_F(StoreTest, rememberedMasterField_isUsedForStoring) {
    RememberMasterField(u"typed master");
    ASSERT_EQ(Run({"store", "a.key", "--stdin"}, "abc\n").exit_code, 0);
    EXPECT_EQ(DecodeKey(ReadKeyLine(U16("a.key")), u"typed master"), u"abc");
}

TEST_F(StoreTest, terminal_keyTypedTwiceWithoutEcho) {
    std::string shown, limits;
    const CliResult result = RunOnTerminal({"store", "a.key"}, {"Секрет 1", "Секрет 1"}, &shown, &limits);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(ReadBytes(dir_ / "a.key"), "\xd1\xe5\xea\xf0\xe5\xf2 1\r\n");
    EXPECT_NE(shown.find("Пароль: "), std::string::npos);
    EXPECT_NE(shown.find("Подтверждение пароля: "), std::string::npos);
    EXPECT_EQ(shown.find("Секрет"), std::string::npos) << "echoed: " << shown;
    // While it holds keys, the process leaves no core dump.
    EXPECT_NE(limits.find("Max core file size        0                    0"), std::string::npos) << limits;
}

TEST_F(StoreTest, terminal_keysThatDiffer_areRefusedAndTheFileKept) {
    WriteBytes(dir_ / "a.key", "old\r\n");
    for (const std::vector<std::string>& typed : {std::vector<std::string>{"abc", "abC"}, {"abc", "abc "}}) {
        const CliResult result = RunOnTerminal({"store", "a.key"}, typed);
        EXPECT_EQ(result.exit_code, 5);
        EXPECT_EQ(result.err, "sorvane-cli: Пароль введен не верно - введите и подтвердите пароль\n");
        EXPECT_EQ(ReadBytes(dir_ / "a.key"), "old\r\n");
    }
}

TEST_F(StoreTest, noTerminalWithoutStdin_isAUsageError) {
    const CliResult result = Run({"store", "a.key"}, "abc\n");
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_NE(result.err.find("--stdin"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "a.key"));
}

TEST_F(StoreTest, refusals_keepTheFile) {
    SaveMasterKeyFile(U16("master.key"), u"m");
    SaveMasterKeyFile(U16("empty-master.key"), u"");
    const struct {
        std::vector<std::string> arguments;
        std::string input;
        std::string message;
    } cases[] = {
        {{"store", "a.key", "--stdin"},
         "日本\n",
         "Пароль не записан: символы «日», «本» нельзя сохранить без изменений в файле без мастер-ключа"},
        {{"store", "a.key", "--stdin", "--master-file", "master.key"},
         "it's\n",
         "Пароль не записан: символ «'» нельзя сохранить без изменений под мастер-ключом"},
        {{"store", "a.key", "--stdin"},
         "two\nlines\n",
         "Пароль не записан: символ U+000A нельзя сохранить без изменений в файле без мастер-ключа"},
        {{"store", "a.key", "--stdin", "--master-file", "empty-master.key"}, "abc\n", "Мастер-ключ пуст"},
        {{"store", "a.key", "--stdin"}, "\xff\xfe\n", "Пароль не записан: ввод не в кодировке UTF-8"},
    };
    for (const auto& c : cases) {
        WriteBytes(dir_ / "a.key", "old\r\n");
        const CliResult result = Run(c.arguments, c.input);
        EXPECT_EQ(result.exit_code, 5) << c.input;
        EXPECT_EQ(result.err, "sorvane-cli: " + c.message + "\n");
        EXPECT_EQ(ReadBytes(dir_ / "a.key"), "old\r\n");
    }
}

TEST_F(StoreTest, targetsThatCannotBeWritten_giveTheirExitCodes) {
    std::filesystem::create_directory(dir_ / "folder.key");
    const struct {
        std::string target;
        int exit_code;
    } cases[] = {
        {"missing-folder/a.key", 3},
        {"folder.key", 4},
    };
    for (const auto& c : cases) {
        const CliResult result = Run({"store", c.target, "--stdin"}, "abc\n");
        EXPECT_EQ(result.exit_code, c.exit_code) << c.target << ": " << result.err;
        EXPECT_NE(result.err.find("\"" + c.target + "\""), std::string::npos) << result.err;
    }
}

}  // namespace
}  // namespace sorvane::test_support

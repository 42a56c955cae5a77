// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli show: the key of a key file under each source of the master key, and its failures.
#include <sys/stat.h>

#include "cli/cli_runner.h"
#include "keystore/key_chain.h"
#include "keystore/key_file.h"
#include "keystore/remembered_master_field.h"
#include "text/unicode.h"

namespace sorvane::test_support {
namespace {

class ShowTest : public CliTest {
protected:
    // A key file holding the key encoded under the master key.
    void StoreEncoded(const std::string& name, std::u16string_view key, std::u16string_view master) {
        WriteKeyLine(U16(name), EncodeKey(key, master));
    }
};

TEST_F(ShowTest, plainKeyFile_printsItsFirstLineAndALineBreak) {
    WriteBytes(dir_ / "a.key", "s3cret\r\nsecond line\r\n");
    const CliResult result = Run({"show", "a.key"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "s3cret\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(ShowTest, windows1251Key_printsUtf8) {
    WriteBytes(dir_ / "a.key", "\xea\xee\xf2\x88\r\n");  // "кот€" in Windows-1251
    EXPECT_EQ(Run({"show", "a.key"}).out, "кот€\n");
}

TEST_F(ShowTest, masterKeyFile_decodesTheKey) {
    SaveMasterKeyFile(U16("master.key"), u"мастер пароль");
    StoreEncoded("a.key", u"Ключ-42", u"мастер пароль");
    for (const char* form : {"--master-file=master.key", "--master-file"}) {
        std::vector<std::string> arguments{"show", "a.key", form};
        if (std::string(form) == "--master-file") arguments.push_back("master.key");
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_EQ(result.out, "Ключ-42\n") << form;
    }
}

TEST_F(ShowTest, rememberedTypedMasterField_decodesTheKey) {
    StoreEncoded("a.key", u"Ключ-42", u"typed master");
    RememberMasterField(u"typed master");
    EXPECT_EQ(Run({"show", "a.key"}).out, "Ключ-42\n");
}

TEST_F(ShowTest, rememberedMasterKeyFilePath_decodesUnderThatFile) {
    SaveMasterKeyFile(U16("master.key"), u"from file");
    StoreEncoded("a.key", u"abc", u"from file");
    RememberMasterField(U16("master.key"));
    EXPECT_EQ(Run({"show", "a.key"}).out, "abc\n");
}

TEST_F(ShowTest, masterFieldNotRemembered_printsTheStoredLineAsItIs) {
    StoreEncoded("a.key", u"abc", u"typed master");
    RememberMasterField(u"typed master", false);
    const std::string stored = Utf16ToUtf8(ReadKeyLine(U16("a.key")));
    EXPECT_EQ(Run({"show", "a.key"}).out, stored + "\n");
}

TEST_F(ShowTest, noMaster_overridesTheRememberedField) {
    WriteBytes(dir_ / "a.key", "plain\r\n");
    RememberMasterField(u"typed master");
    EXPECT_EQ(Run({"show", "a.key", "--no-master"}).out, "plain\n");
}

TEST_F(ShowTest, masterPrompt_decodesUnderTheTypedKeyWithoutEcho) {
    StoreEncoded("a.key", u"Ключ", u"тайна");
    std::string shown;
    const CliResult result = RunOnTerminal({"show", "a.key", "--master-prompt"}, {"тайна"}, &shown);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "Ключ\n");
    EXPECT_NE(shown.find("Мастер-ключ: "), std::string::npos);
    EXPECT_EQ(shown.find("тайна"), std::string::npos) << "echoed: " << shown;
}

TEST_F(ShowTest, emptyMasterKeyFromFile_isRefused) {
    SaveMasterKeyFile(U16("empty.key"), u"");
    WriteBytes(dir_ / "a.key", "abc\r\n");
    const CliResult result = Run({"show", "a.key", "--master-file", "empty.key"});
    EXPECT_EQ(result.exit_code, 5);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "sorvane-cli: Мастер-ключ пуст\n");
}

TEST_F(ShowTest, emptyTypedMasterKey_isRefused) {
    WriteBytes(dir_ / "a.key", "abc\r\n");
    const CliResult result = RunOnTerminal({"show", "a.key", "--master-prompt"}, {""});
    EXPECT_EQ(result.exit_code, 5);
    EXPECT_EQ(result.out, "");
}

TEST_F(ShowTest, failures_giveTheirExitCodesAndNameTheFile) {
    WriteBytes(dir_ / "a.key", "abc\r\n");
    std::filesystem::create_directory(dir_ / "folder.key");
    ASSERT_EQ(::mkfifo(Path("fifo.key").c_str(), 0600), 0);
    const struct {
        std::vector<std::string> arguments;
        int exit_code;
        std::string message_part;
    } cases[] = {
        {{"show", "missing.key"}, 3, "\"missing.key\""},
        {{"show", "no/such/folder.key"}, 3, "\"no/such/folder.key\""},
        {{"show", "folder.key"}, 4, "\"folder.key\""},
        {{"show", "fifo.key"}, 4, "\"fifo.key\""},  // never opened for reading: it would block
        {{"show", "a.key", "--master-file", "missing-master.key"}, 3, "\"missing-master.key\" не найден"},
        {{"show", "a.key", "--master-file", "folder.key"}, 3, "\"folder.key\" не найден"},
    };
    for (const auto& c : cases) {
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.exit_code, c.exit_code) << c.arguments[1] << ": " << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message_part), std::string::npos) << result.err;
    }
}

TEST_F(ShowTest, outputThatCannotBeWritten_isAnIoError) {
    WriteBytes(dir_ / "a.key", "abc\r\n");
    const CliResult result = Run(CliRun{{"show", "a.key"}, "", {}, "/dev/full"});
    EXPECT_EQ(result.exit_code, 4);
    EXPECT_NE(result.err.find("Не удалось записать в стандартный вывод"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace sorvane::test_support

// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli's command line: help, and every mistake a usage error (2) that says what is wrong.
#include "cli/cli_runner.h"

namespace sorvane::test_support {
namespace {

using UsageTest = CliTest;

TEST_F(UsageTest, help_forTheProgramAndEachCommand) {
    const struct {
        std::vector<std::string> arguments;
        std::string names;
    } cases[] = {
        {{"--help"}, "generate [--length N]"},
        {{"-h"}, "Коды выхода"},
        {{"show", "--help"}, "sorvane-cli show FILE"},
        {{"copy", "--help"}, "--clear SECONDS"},
        {{"store", "-h"}, "--stdin"},
        {{"generate", "--help"}, "russian-upper"},
        {{"show", "a.key", "--help"}, "sorvane-cli show FILE"},  // help wins, nothing is read
    };
    for (const auto& c : cases) {
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_NE(result.out.find("Использование: sorvane-cli"), std::string::npos);
        EXPECT_NE(result.out.find(c.names), std::string::npos) << result.out;
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(UsageTest, mistakes_areUsageErrors) {
    const struct {
        std::vector<std::string> arguments;
        std::string message;
    } cases[] = {
        {{}, "Не указана команда"},
        {{"list"}, "Неизвестная команда «list»"},
        {{"show"}, "Не указан файл ключа"},
        {{"show", "a.key", "b.key"}, "Файл ключа указан дважды"},
        {{"show", "a.key", "--clear", "5"}, "Неизвестный параметр «--clear»"},
        {{"show", "a.key", "--stdin"}, "Неизвестный параметр «--stdin»"},
        {{"show", "a.key", "--master-file"}, "Для --master-file не указано значение"},
        {{"show", "a.key", "--master-file="}, "Пустое имя файла мастер-ключа"},
        {{"show", "a.key", "--master-prompt", "--no-master"}, "Источник мастер-ключа указан дважды"},
        {{"show", "a.key", "--no-master=1"}, "не принимает значения"},
        {{"show", "a.key\xff"}, "Аргумент 2 не в кодировке UTF-8"},
        {{"copy", "a.key", "--clear", "0"}, "от 1 до 86400"},
        {{"copy", "a.key", "--clear", "5s"}, "от 1 до 86400"},
        {{"generate", "a.key"}, "Лишний аргумент «a.key»"},
        {{"generate", "--length", "0"}, "от 1 до 255"},
        {{"generate", "--length", "256"}, "от 1 до 255"},
        {{"generate", "--length", "-3"}, "от 1 до 255"},
        {{"generate", "--classes", "latin,greek"}, "Неизвестный класс символов в «latin,greek»"},
        {{"generate", "--classes", "latin,"}, "Неизвестный класс символов в «latin,»"},
        {{"generate", "--master-file", "m.key"}, "Неизвестный параметр"},
        {{"--help", "show"}, "Лишний аргумент"},
    };
    for (const auto& c : cases) {
        const CliResult result = Run(c.arguments);
        EXPECT_EQ(result.exit_code, 2) << c.message;
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_NE(result.err.find("справка: sorvane-cli --help"), std::string::npos);
    }
}

TEST_F(UsageTest, doubleDash_endsTheOptions) {
    WriteBytes(dir_ / "--help", "abc\r\n");
    const CliResult result = Run({"show", "--", "--help"});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "abc\n");
}

}  // namespace
}  // namespace sorvane::test_support

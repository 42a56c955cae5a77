// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli generate: the window's generator with the class boxes' choices.
#include <set>

#include "cli/cli_runner.h"
#include "text/unicode.h"

namespace sorvane::test_support {
namespace {

using GenerateTest = CliTest;

const std::u16string kLatinUpper = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const std::u16string kLatinLower = u"abcdefghijklmnopqrstuvwxyz";
const std::u16string kRussianUpper = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
const std::u16string kRussianLower = u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя";
const std::u16string kDigits = u"0123456789";
const std::u16string kSigns = u"!\"№;%:?*()_+=-~/\\<>,.[]{}";

// The password of one run: its characters and how many, or a failure.
std::u16string Password(const CliResult& result) {
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_TRUE(result.out.ends_with('\n'));
    return Utf8ToUtf16(result.out.substr(0, result.out.size() - 1));
}

TEST_F(GenerateTest, classes_drawOnlyFromTheirSetsAndCoverThem) {
    const struct {
        std::vector<std::string> arguments;
        std::u16string allowed;
    } cases[] = {
        {{}, kLatinUpper + kLatinLower + kDigits},  // the window's start choice
        {{"--classes", "latin-upper,russian-lower"}, kLatinUpper + kRussianLower},
        {{"--classes=latin-upper,latin-lower"}, kLatinUpper + kLatinLower},
        {{"--classes", "russian"}, kRussianUpper + kRussianLower},
        {{"--classes", "russian-upper"}, kRussianUpper},
        {{"--classes", "digits,signs"}, kDigits + kSigns},
        {{"--classes", "signs,none"}, kSigns},
        {{"--classes", "latin,russian,digits,signs"},
         kLatinUpper + kLatinLower + kRussianUpper + kRussianLower + kDigits + kSigns},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"generate", "--length", "255"};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        std::set<char16_t> seen;
        for (int run = 0; run < 16; ++run) {
            const std::u16string password = Password(Run(arguments));
            EXPECT_EQ(password.size(), 255u);
            for (char16_t ch : password) {
                EXPECT_NE(c.allowed.find(ch), std::u16string::npos) << Utf16ToUtf8(std::u16string(1, ch));
                seen.insert(ch);
            }
        }
        EXPECT_EQ(seen.size(), c.allowed.size()) << "not every character of the classes occurred";
    }
}

TEST_F(GenerateTest, length_isTheDefaultOrTheOneAsked) {
    EXPECT_EQ(Password(Run({"generate"})).size(), 7u);
    EXPECT_EQ(Password(Run({"generate", "--length", "1"})).size(), 1u);
    EXPECT_EQ(Password(Run({"generate", "--length=20"})).size(), 20u);
    EXPECT_NE(Password(Run({"generate", "--length", "40"})), Password(Run({"generate", "--length", "40"})));
}

TEST_F(GenerateTest, nothingChosen_isRefusedWithTheWindowsMessage) {
    const CliResult result = Run({"generate", "--classes", "none"});
    EXPECT_EQ(result.exit_code, 5);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "sorvane-cli: Выбранные параметры не позволяют создать пароль\n");
}

}  // namespace
}  // namespace sorvane::test_support

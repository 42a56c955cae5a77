// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_values.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

TEST(IniValues, IntegersByTheValueRules) {
    const struct {
        std::u16string text;
        std::optional<int> value;
    } cases[] = {
        {u"42", 42},
        {u"  42", 42},
        {u"-7", -7},
        {u"+7", 7},
        {u"0x20", 32},
        {u"0X20", 32},
        {u"x1F", 31},
        {u"X1f", 31},
        {u"$ff", 255},
        {u"-$10", -16},
        {u"2147483647", 2147483647},
        {u"-2147483648", -2147483647 - 1},
        {u"2147483648", std::nullopt},
        {u"abc", std::nullopt},
        {u"", std::nullopt},
        {u"12a", std::nullopt},
        {u"0x", std::nullopt},
        {u"- 1", std::nullopt},
        {u"1.5", std::nullopt},
        {u"yes", std::nullopt},
        {u"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseIniInteger(c.text), c.value) << std::string(c.text.begin(), c.text.end());
}

TEST(IniValues, QuotingMakesEveryValueReadBackExactly) {
    const std::u16string values[] = {u"",     u"plain", u" leading", u"trailing ",         u"\"quoted\"", u"\"",
                                     u"\"\"", u"a\"",   u"\"a",      u"in \"the\" middle", u"\t",         u"  "};
    for (const std::u16string& value : values) EXPECT_EQ(UnquoteIniValue(QuoteIniValue(value)), value);
    EXPECT_EQ(QuoteIniValue(u"plain"), u"plain");
    EXPECT_EQ(QuoteIniValue(u" x"), u"\" x\"");
    EXPECT_EQ(UnquoteIniValue(u"  \"a b\"  "), u"a b");
}

}  // namespace
}  // namespace sorvane

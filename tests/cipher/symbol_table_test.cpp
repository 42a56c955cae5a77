// SPDX-License-Identifier: GPL-3.0-or-later
#include "cipher/symbol_table.h"

#include <gtest/gtest.h>

#include <set>

namespace sorvane {
namespace {

// Where positions come from code points: the three runs that follow the code order.
int ExpectedPosition(char32_t code) {
    if (code >= 0x20 && code <= 0x26) return static_cast<int>(code) - 31;
    if (code >= 0x28 && code <= 0x7f) return static_cast<int>(code) - 32;
    if (code >= 0x410 && code <= 0x44f) return static_cast<int>(code) - 932;
    static constexpr char16_t kMiddle[] = u"\u040e\u045e\u00a4\u0401\u0404\u0407\u00b0\u00b7\u0451\u2116\u0454\u0457";
    for (int i = 0; i < 12; ++i)
        if (kMiddle[i] == code) return 96 + i;
    return 0;
}

TEST(SymbolTable, HoldsDistinctCharactersAtTheirPositions) {
    ASSERT_EQ(SymbolTable.size(), 171u);
    EXPECT_EQ(std::set<char16_t>(SymbolTable.begin(), SymbolTable.end()).size(), 171u);
    for (char32_t code = 0; code <= 0xffff; ++code)
        ASSERT_EQ(PositionOf(static_cast<char16_t>(code)), ExpectedPosition(code))
            << "U+" << std::hex << static_cast<unsigned>(code);
}

TEST(SymbolTable, AsciistrMapsPositionsToOneCharacter) {
    const struct {
        int position;
        std::u16string expected;
    } cases[] = {
        {0, std::u16string(1, u'\0')},
        {1, u" "},
        {7, u"&"},
        {8, u"("},
        {65, u"a"},
        {95, u"\x7f"},
        {96, u"Ў"},
        {107, u"ї"},
        {108, u"А"},
        {171, u"я"},
        {172, u""},
        {-1, u""},
        {100000, u""},
    };
    for (const auto& c : cases) EXPECT_EQ(asciistr(c.position), c.expected) << c.position;
}

TEST(SymbolTable, AsciiintMapsCharactersToPositions) {
    const struct {
        std::u16string text;
        int expected;
    } cases[] = {
        {u" ", 1},      {u"&", 7},      {u"'", 0},   {u"(", 8},   {u"\x7f", 95},
        {u"Ў", 96},     {u"ї", 107},    {u"А", 108}, {u"я", 171}, {std::u16string(1, u'\0'), 0},
        {u"", 0},       {u"a", 65},     {u"A", 33},  {u"x", 88},  {u"\u00e9", 0},
        {u"\u0406", 0}, {u"\xd800", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(asciiint(c.text), c.expected);
}

}  // namespace
}  // namespace sorvane

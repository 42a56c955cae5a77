// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/windows1251.h"

#include <gtest/gtest.h>

#include "cipher/symbol_table.h"

namespace sorvane {
namespace {

TEST(Windows1251, EveryByteDecodesAndEncodesBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::u16string text = DecodeWindows1251(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(EncodeWindows1251(text), all);
}

TEST(Windows1251, KnownCharacters) {
    EXPECT_EQ(DecodeWindows1251("\xC0\xFF\xA8\xB8\xB9\x88"), u"АяЁё№€");
    EXPECT_EQ(EncodeWindows1251(u"Ключ №1"), "\xCA\xEB\xFE\xF7 \xB9\x31");
}

TEST(Windows1251, CharactersWithoutACodeBecomeQuestionMarks) {
    EXPECT_EQ(EncodeWindows1251(u"a\u4e2db\u00e9"), "a?b?");
    // A surrogate pair is one character, a lone surrogate another.
    EXPECT_EQ(EncodeWindows1251(u"x\U0001F600y\xd800z"), "x?y?z");
    EXPECT_EQ(RoundTripWindows1251(u"日本"), u"??");
}

TEST(Windows1251, EverySymbolTableCharacterSurvives) {
    const std::u16string table(SymbolTable);
    EXPECT_EQ(RoundTripWindows1251(table), table);
    EXPECT_EQ(EncodeWindows1251(table).size(), table.size());
}

}  // namespace
}  // namespace sorvane

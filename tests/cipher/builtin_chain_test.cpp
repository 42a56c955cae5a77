// SPDX-License-Identifier: GPL-3.0-or-later
#include "cipher/builtin_chain.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cipher/symbol_table.h"
#include "support/text_samples.h"

namespace sorvane {
namespace {

bool OnlyTableCharacters(std::u16string_view text) {
    for (char16_t ch : text)
        if (PositionOf(ch) == 0) return false;
    return true;
}

bool IsKeyCharacter(char16_t ch) {
    return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z') || (ch >= u'0' && ch <= u'9') ||
           (ch >= u'\u0410' && ch <= u'\u044f') || ch == u'Ё' || ch == u'ё';
}

TEST(BuiltInKeys, HaveTheirFrozenForm) {
    EXPECT_EQ(BuiltInKey1, u"QuietMoss");
    for (std::u16string_view key : {BuiltInKey2, BuiltInKey3}) {
        ASSERT_EQ(key.size(), 255u);
        for (char16_t ch : key) EXPECT_TRUE(IsKeyCharacter(ch)) << static_cast<int>(ch);
    }
    EXPECT_NE(BuiltInKey2, BuiltInKey3);
}

// The length of an encoded text follows from BuiltInKey3's digits and the text's length alone.
std::size_t EncodedLength(std::size_t n) {
    std::size_t length = 0;
    for (std::size_t j = 0; j < n; ++j) length += PositionOf(BuiltInKey3[j % 255]) % 10 + 1;
    return length;
}

TEST(Passway, OutputIsTableTextWhoseLengthDependsOnTheInputLength) {
    std::mt19937 rng(4);
    for (std::size_t length = 0; length <= 600; length += 9) {
        const std::u16string text = test_support::RandomKey(rng, length);
        const std::u16string encoded = Passway(text);
        ASSERT_EQ(encoded.size(), EncodedLength(length));
        ASSERT_TRUE(OnlyTableCharacters(encoded));
    }
}

TEST(Passway, RoundTripsTableTexts) {
    std::mt19937 rng(5);
    for (std::size_t length = 0; length <= 600; length += 5) {
        const std::u16string text = test_support::RandomTableText(rng, length);
        ASSERT_EQ(Depassway(Passway(text)), text);
    }
    const std::u16string all_ya(300, u'я');
    EXPECT_EQ(Depassway(Passway(all_ya)), all_ya);
}

TEST(Passway, SameTextTwiceGivesDifferentEncodingsOfOneLength) {
    const std::u16string text = u"Пароль под замком 2026";
    const std::u16string first = Passway(text), second = Passway(text);
    EXPECT_NE(first, second);
    EXPECT_EQ(first.size(), second.size());
    EXPECT_EQ(Depassway(first), text);
    EXPECT_EQ(Depassway(second), text);
}

TEST(Passway, CharactersOutsideTheTableComeBackAsYa) {
    EXPECT_EQ(Depassway(Passway(u"it's\tcaf\u00e9")), u"itяsяcafя");
    EXPECT_EQ(Depassway(Passway(std::u16string(u"a\0b", 3))), u"aяb");
    EXPECT_EQ(Passway(u""), u"");
    EXPECT_EQ(Depassway(u""), u"");
}

TEST(Depassway, AnyInputDecodesToTableText) {
    std::mt19937 rng(6);
    for (std::size_t length = 0; length <= 400; length += 3) {
        const std::u16string text = test_support::RandomKey(rng, length);
        ASSERT_TRUE(OnlyTableCharacters(Depassway(text)));
    }
}

std::u16string FromUtf8(const std::string& s) {
    std::u16string out;
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        char32_t c;
        int extra;
        if (b < 0x80)
            c = b, extra = 0;
        else if (b < 0xe0)
            c = b & 0x1f, extra = 1;
        else
            c = b & 0x0f, extra = 2;
        for (int k = 1; k <= extra; ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3f);
        i += 1 + extra;
        out.push_back(static_cast<char16_t>(c));
    }
    return out;
}

// Encodings made once and kept: every later version must still decode them.
TEST(Depassway, DecodesTheStoredGoldenTexts) {
    std::ifstream file(SORVANE_GOLDEN_FILE, std::ios::binary);
    ASSERT_TRUE(file) << SORVANE_GOLDEN_FILE;
    std::string line;
    int count = 0;
    while (std::getline(file, line)) {
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos);
        const std::u16string plain = FromUtf8(line.substr(0, tab));
        const std::u16string encoded = FromUtf8(line.substr(tab + 1));
        EXPECT_EQ(encoded.size(), EncodedLength(plain.size()));
        EXPECT_EQ(Depassway(encoded), plain);
        ++count;
    }
    EXPECT_GE(count, 5);
}

}  // namespace
}  // namespace sorvane

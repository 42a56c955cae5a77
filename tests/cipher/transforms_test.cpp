// SPDX-License-Identifier: GPL-3.0-or-later
#include "cipher/transforms.h"

#include <gtest/gtest.h>

#include "cipher/symbol_table.h"
#include "support/fixed_random.h"
#include "support/text_samples.h"

namespace sorvane {
namespace {

const std::u16string kNul(1, u'\0');

TEST(Transforms, KnownVectors) {
    const struct {
        const char* what;
        std::u16string actual, expected;
    } cases[] = {
        {"shift abc", shift(u"abc"), u"bЩ>"},
        {"deshift bЩ>", deshift(u"bЩ>"), u"abc"},
        {"shift wraps twice", shift(u"юя"), u"я "},
        {"deshift wraps", deshift(u"я "), u"юя"},
        {"shift яяя", shift(u"яяя"), u" !\""},
        {"deshift back to яяя", deshift(u" !\""), u"яяя"},
        {"deshift empty", deshift(u""), u""},
        {"deshift b", deshift(u"b"), u"a"},
        {"deshift space", deshift(u" "), u"я"},
        {"shift outside table", shift(u"'"), u" "},
        {"mirrorh", mirrorh(u"abc"), u"cba"},
        {"mirrorh any characters", mirrorh(u"a\u00e9\xd800"), u"\xd800\u00e9a"},
        {"mirrorv abc", mirrorv(u"abc"), u"є№ё"},
        {"mirrorv я", mirrorv(u"я"), kNul},
        {"mirrorv nul", mirrorv(kNul), u"я"},
        {"mirrorv apostrophe", mirrorv(u"'"), u"я"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.what;
}

TEST(Transforms, ShiftRoundTripsAndTurnsOutsideCharactersIntoYa) {
    std::mt19937 rng(2);
    for (std::size_t length = 0; length <= 600; length += 13) {
        const std::u16string text = test_support::RandomTableText(rng, length);
        ASSERT_EQ(deshift(shift(text)), text);
        ASSERT_EQ(mirrorv(mirrorv(text)), text);
        ASSERT_EQ(mirrorh(mirrorh(text)), text);
    }
    EXPECT_EQ(deshift(shift(u"a'b\tc")), u"aяbяc");
}

// Key characters by digit: '*' is position 10 (digit 0), '2' 18 (digit 8), '3' 19 (digit 9).
TEST(Addrnd, GroupSizesFollowTheKeyDigits) {
    const struct {
        std::u16string text, key;
        std::size_t length;
    } cases[] = {
        {u"abc", u"23", 28},   // groups of 9, 10, 9
        {u"abc", u"*2", 11},   // 1, 9, 1
        {u"abcde", u"2", 45},  // five groups of 9
        {u"abc", u"*", 3},    {u"", u"23", 0},
    };
    for (const auto& c : cases) {
        test_support::FixedRandom random({5, 170, 0, 33});
        ScopedRandomSource scope(random);
        const std::u16string encoded = addrnd(c.text, c.key);
        EXPECT_EQ(encoded.size(), c.length);
        EXPECT_EQ(random.draws(), c.length - c.text.size());
        EXPECT_EQ(deaddrnd(encoded, c.key), c.text);
    }
}

TEST(Addrnd, CarrierAddsTheLastRandomCharacter) {
    // Draws 0..7 give random positions 1..8; the 8th has position 8 and carries "a" (65) as 73.
    test_support::FixedRandom random({0, 1, 2, 3, 4, 5, 6, 7});
    ScopedRandomSource scope(random);
    const std::u16string encoded = addrnd(u"a", u"2");
    ASSERT_EQ(encoded.size(), 9u);
    EXPECT_EQ(encoded.substr(0, 8), u" !\"#$%&(");
    EXPECT_EQ(PositionOf(encoded[8]), 73);
}

TEST(Addrnd, DigitZeroInsertsNothingAndAddsTheKey) {
    const int k = PositionOf(u'ф');  // 160
    ASSERT_EQ(k % 10, 0);
    const std::u16string encoded = addrnd(u"abc", u"ф");
    EXPECT_EQ(encoded, (std::u16string{SymbolAt(65 + k - 171), SymbolAt(66 + k - 171), SymbolAt(67 + k - 171)}));
    EXPECT_EQ(addrnd(u"abc", u"ф"), encoded);
    EXPECT_EQ(deaddrnd(encoded, u"ф"), u"abc");
}

TEST(Addrnd, KeyOutsideTheTableOrEmptyKeepsTableText) {
    EXPECT_EQ(addrnd(u"Ключ 7", u"'"), u"Ключ 7");
    EXPECT_EQ(addrnd(u"Ключ 7", u""), u"Ключ 7");
    EXPECT_EQ(addrnd(u"a'", u""), addrnd(u"a'", u"'"));
}

TEST(Deaddrnd, IgnoresIncompleteGroups) {
    const std::u16string encoded = addrnd(u"abcde", u"2");
    ASSERT_EQ(encoded.size(), 45u);
    EXPECT_EQ(deaddrnd(encoded.substr(0, 44), u"2"), u"abcd");
    EXPECT_EQ(deaddrnd(encoded.substr(0, 8), u"2"), u"");
    EXPECT_EQ(deaddrnd(encoded, u""), u"");
    EXPECT_EQ(deaddrnd(u"", u"2"), u"");
}

TEST(Addrnd, RoundTripsRandomTextsAndKeys) {
    std::mt19937 rng(3);
    for (std::size_t length = 0; length <= 600; length += 11) {
        const std::u16string text = test_support::RandomTableText(rng, length);
        const std::u16string key = test_support::RandomKey(rng, 1 + rng() % 30);
        ASSERT_EQ(deaddrnd(addrnd(text, key), key), text);
    }
    EXPECT_EQ(deaddrnd(addrnd(u"a'c", u"Ключ"), u"Ключ"), u"aяc");
}

}  // namespace
}  // namespace sorvane

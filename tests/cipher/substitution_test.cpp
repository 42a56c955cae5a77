// SPDX-License-Identifier: GPL-3.0-or-later
#include "cipher/substitution.h"

#include <gtest/gtest.h>

#include "cipher/symbol_table.h"
#include "support/text_samples.h"

namespace sorvane {
namespace {

int Wrap(int c) { return c > kSymbolCount ? c - kSymbolCount : c; }

std::u16string FromPositions(std::initializer_list<int> positions) {
    std::u16string text;
    for (int p : positions) text.push_back(SymbolAt(p));
    return text;
}

TEST(Substitution, KeyCyclesOverTheText) {
    // Key positions chosen so that some sums wrap.
    const int p = PositionOf(u'я'), q = PositionOf(u'#');
    const std::u16string key = {u'я', u'#'};
    const std::u16string encoded = password(u"abcde", key);
    EXPECT_EQ(encoded, FromPositions({Wrap(65 + p), Wrap(66 + q), Wrap(67 + p), Wrap(68 + q), Wrap(69 + p)}));
    EXPECT_EQ(depassword(encoded, key), u"abcde");
    EXPECT_EQ(password(u"abc", key), encoded.substr(0, 3));
}

TEST(Substitution, KeyLongerThanTextUsesItsFirstCharacters) {
    EXPECT_EQ(password(u"ab", u"!!zzzz"), password(u"ab", u"!!"));
}

TEST(Substitution, CharactersOutsideTheTable) {
    // A key of characters outside the table leaves table text as it is.
    EXPECT_EQ(password(u"Тест 1", u"'\t"), u"Тест 1");
    EXPECT_EQ(depassword(u"Тест 1", u"'\t"), u"Тест 1");
    // The apostrophe takes the key character's position, and decodes as "я".
    const std::u16string encoded = password(u"it's", u"Ab");
    EXPECT_EQ(encoded[2], u'A');
    EXPECT_EQ(depassword(encoded, u"Ab"), u"itяs");
    // Outside under outside gives U+0000, which decodes as "я".
    EXPECT_EQ(password(u"'", u"'"), std::u16string(1, u'\0'));
    EXPECT_EQ(depassword(std::u16string(1, u'\0'), u"'"), u"я");
    EXPECT_EQ(depassword(u"'", u"я"), std::u16string(1, u'\0'));
}

TEST(Substitution, EmptyTextOrEmptyKey) {
    EXPECT_EQ(password(u"", u"key"), u"");
    EXPECT_EQ(depassword(u"", u""), u"");
    // An empty key behaves as a key character outside the table would.
    for (const std::u16string_view text : {u"abc", u"it's", u"яЁ\x7f"}) {
        EXPECT_EQ(password(text, u""), password(text, u"'"));
        EXPECT_EQ(depassword(text, u""), depassword(text, u"'"));
    }
    EXPECT_EQ(password(u"abc", u""), u"abc");
}

TEST(Substitution, RoundTripsRandomTextsAndKeys) {
    std::mt19937 rng(1);
    for (std::size_t length = 0; length <= 600; length += 7) {
        const std::u16string text = test_support::RandomTableText(rng, length);
        const std::u16string key = test_support::RandomKey(rng, 1 + rng() % 40);
        ASSERT_EQ(depassword(password(text, key), key), text);
    }
}

}  // namespace
}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/password_generator.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "text/windows1251.h"

namespace sorvane {
namespace {

std::set<char16_t> CharactersOf(std::u16string_view text) { return {text.begin(), text.end()}; }

TEST(PasswordGenerator, PoolsFollowTheChosenClassesInOrder) {
    const std::u16string english_capitals = u"ABCDEFJHIGKLMNOPQRSTUVWXYZ";
    const std::u16string english_small = u"abcdefjhigklmnopqrstuvwxyz";
    const std::u16string russian_capitals = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЬЫЪЭЮЯ";
    const std::u16string russian_small = u"абвгдеёжзийклмнопрстуфхцчшщьыъэюя";
    const std::u16string digits = u"0123456789";
    const std::u16string signs = u"!\"№;%:?*()_+=-~/\\<>,.[]{}";
    const struct {
        ClassChoice choice;
        std::u16string pool;
    } cases[] = {
        {{u"Английские", u"Ничего", u"Цифры"}, english_capitals + english_small + digits},
        {{u"Английские", u"Русские", u"Циф.+Знаки"},
         english_capitals + english_small + russian_capitals + russian_small + digits + signs},
        {{u"Заглавные", u"Строчные", u"Ничего"}, english_capitals + russian_small},
        {{u"Строчные", u"Заглавные", u"Знаки"}, english_small + russian_capitals + signs},
        {{u"Ничего", u"Ничего", u"Ничего"}, u""},
        {{u"", u"", u""}, u""},
        {{u"английские", u"Русские ", u"Цифры"}, digits},  // whole, case-sensitive matches only
        {{u"Русские", u"Английские", u"Знаки"}, signs},    // an item of another box adds nothing
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeWindows1251(BuildPool(c.choice)), c.pool);
    EXPECT_EQ(BuildPool({u"Английские", u"Русские", u"Циф.+Знаки"}).size(), 153u);
    EXPECT_EQ(BuildPool({u"Английские", u"Ничего", u"Цифры"}).size(), 62u);
    EXPECT_EQ(signs.size(), 25u);
    EXPECT_EQ(EncodeWindows1251(signs),
              "\x21\x22\xB9\x3B\x25\x3A\x3F\x2A\x28\x29\x5F\x2B\x3D\x2D\x7E\x2F\x5C\x3C\x3E\x2C\x2E\x5B\x5D\x7B\x7D");
}

TEST(PasswordGenerator, PasswordsHaveTheirLengthAndOnlyPoolCharacters) {
    const ClassChoice choices[] = {
        {u"Английские", u"Ничего", u"Цифры"},
        {u"Заглавные", u"Строчные", u"Ничего"},
        {u"Ничего", u"Ничего", u"Циф.+Знаки"},
        {u"Строчные", u"Русские", u"Знаки"},
    };
    for (const ClassChoice& choice : choices) {
        const std::string pool = BuildPool(choice);
        const std::set<char16_t> allowed = CharactersOf(DecodeWindows1251(pool));
        for (int length : {1, 7, 255}) {
            const std::u16string password = GeneratePassword(pool, length);
            ASSERT_EQ(password.size(), static_cast<std::size_t>(length));
            for (char16_t c : password) ASSERT_TRUE(allowed.count(c)) << static_cast<int>(c);
            ASSERT_EQ(password.find(u' '), std::u16string::npos);
        }
    }
}

// Every pool character is equally likely: a chi-square test over many draws.
TEST(PasswordGenerator, DrawsThePoolUniformly) {
    const std::string pool = BuildPool({u"Английские", u"Русские", u"Циф.+Знаки"});
    constexpr int kDraws = 153 * 2000;
    std::map<char16_t, int> counts;
    for (char16_t c : GeneratePassword(pool, kDraws)) ++counts[c];
    ASSERT_EQ(counts.size(), 153u);
    const double expected = kDraws / 153.0;
    double chi_square = 0;
    for (const auto& [character, count] : counts) chi_square += (count - expected) * (count - expected) / expected;
    // 152 degrees of freedom: the 99.99th percentile is about 222; a fair source stays well below.
    EXPECT_LT(chi_square, 222.0);
}

}  // namespace
}  // namespace sorvane

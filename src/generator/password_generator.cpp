// SPDX-License-Identifier: GPL-3.0-or-later
#include "generator/password_generator.h"

#include "random/random_source.h"
#include "text/windows1251.h"

namespace sorvane {
namespace {

// The six sets, in their own order (F, J, H, I, G and Щ, Ь, Ы, Ъ, Э as they have always stood).
constexpr std::u16string_view kEnglishCapitals = u"ABCDEFJHIGKLMNOPQRSTUVWXYZ";
constexpr std::u16string_view kEnglishSmall = u"abcdefjhigklmnopqrstuvwxyz";
constexpr std::u16string_view kRussianCapitals = u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЬЫЪЭЮЯ";
constexpr std::u16string_view kRussianSmall = u"абвгдеёжзийклмнопрстуфхцчшщьыъэюя";
constexpr std::u16string_view kDigits = u"0123456789";
constexpr std::u16string_view kSigns = u"!\"№;%:?*()_+=-~/\\<>,.[]{}";

// The sets that one box's item adds, or nothing when the item is none of the three.
std::u16string Sets(std::u16string_view item, std::u16string_view both, std::u16string_view first_only,
                    std::u16string_view second_only, std::u16string_view first, std::u16string_view second) {
    if (item == both) return std::u16string(first) + std::u16string(second);
    if (item == first_only) return std::u16string(first);
    if (item == second_only) return std::u16string(second);
    return {};
}

}  // namespace

std::string BuildPool(const ClassChoice& choice) {
    std::u16string pool;
    pool += Sets(choice.english, u"Английские", u"Заглавные", u"Строчные", kEnglishCapitals, kEnglishSmall);
    pool += Sets(choice.russian, u"Русские", u"Заглавные", u"Строчные", kRussianCapitals, kRussianSmall);
    pool += Sets(choice.digits, u"Циф.+Знаки", u"Цифры", u"Знаки", kDigits, kSigns);
    return EncodeWindows1251(pool);
}

std::u16string GeneratePassword(std::string_view pool, int length) {
    std::u16string password;
    for (int i = 0; i < length; ++i) {
        const auto index = RandomBelow(static_cast<std::uint32_t>(pool.size()));
        password.push_back(DecodeWindows1251Byte(static_cast<unsigned char>(pool[index])));
    }
    return password;
}

}  // namespace sorvane

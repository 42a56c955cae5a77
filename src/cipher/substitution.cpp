// SPDX-License-Identifier: GPL-3.0-or-later
#include "cipher/substitution.h"

#include "cipher/symbol_table.h"

namespace sorvane {
namespace {

// Walks text and key together; combine(text position, key position) gives the result character.
template <typename Combine>
void Substitute(std::u16string& text, std::u16string_view key, Combine combine) {
    if (key.empty()) key = u"'";  // no key character: as one outside the table, position 0
    std::size_t i = 0;
    for (char16_t& ch : text) {
        const int key_position = PositionOf(key[i]);
        if (++i == key.size()) i = 0;
        ch = combine(PositionOf(ch), key_position);
    }
}

}  // namespace

void PasswordInPlace(std::u16string& text, std::u16string_view key) {
    Substitute(text, key, [](int t, int k) { return SymbolOfSum(t + k); });
}

void DepasswordInPlace(std::u16string& text, std::u16string_view key) {
    Substitute(text, key, [](int t, int k) { return SymbolOfDifference(t - k); });
}

std::u16string password(std::u16string_view s1, std::u16string_view s2) {
    std::u16string text(s1);
    PasswordInPlace(text, s2);
    return text;
}

std::u16string depassword(std::u16string_view s1, std::u16string_view s2) {
    std::u16string text(s1);
    DepasswordInPlace(text, s2);
    return text;
}

}  // namespace sorvane

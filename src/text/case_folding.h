// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace sorvane {

// Lower case of Latin and Cyrillic capitals (А-Я, Ѐ-Џ); every other code unit as it is.
constexpr char16_t FoldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= u'\u0410' && c <= u'\u042f')) return static_cast<char16_t>(c + 32);
    if (c >= u'\u0400' && c <= u'\u040f') return static_cast<char16_t>(c + 80);
    return c;
}

// Equal without regard to letter case, by FoldCase.
bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace sorvane

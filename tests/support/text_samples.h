// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <random>
#include <string>

#include "cipher/symbol_table.h"

namespace sorvane::test_support {

// Random text of SymbolTable characters.
inline std::u16string RandomTableText(std::mt19937& rng, std::size_t length) {
    std::uniform_int_distribution<int> pick(1, kSymbolCount);
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i) text.push_back(SymbolAt(pick(rng)));
    return text;
}

// Random key: mostly table characters, some outside the table (apostrophe, tab, é, U+0000, surrogates).
inline std::u16string RandomKey(std::mt19937& rng, std::size_t length) {
    static constexpr char16_t kOutside[] = {u'\'', u'\t', u'\u00e9', u'\0', u'\xd800', u'\u20ac', u'\u0406'};
    std::uniform_int_distribution<int> pick(1, kSymbolCount);
    std::uniform_int_distribution<int> outside(0, std::size(kOutside) - 1);
    std::bernoulli_distribution take_outside(0.1);
    std::u16string key;
    for (std::size_t i = 0; i < length; ++i)
        key.push_back(take_outside(rng) ? kOutside[outside(rng)] : SymbolAt(pick(rng)));
    return key;
}

}  // namespace sorvane::test_support

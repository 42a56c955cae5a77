// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// The character classes as the three class boxes name them: the selected item's text of each box
// (empty when none is selected). Each box adds its sets to the pool, in box order.
struct ClassChoice {
    std::u16string_view english;  // "Английские", "Заглавные", "Строчные" or anything else (nothing)
    std::u16string_view russian;  // "Русские", "Заглавные", "Строчные"
    std::u16string_view digits;   // "Цифры", "Знаки", "Циф.+Знаки"
};

// The pool of the chosen classes as Windows-1251 bytes; empty when the choice adds nothing.
std::string BuildPool(const ClassChoice& choice);

// length characters, each drawn uniformly and independently from the pool's bytes with the shared
// random source and read through Windows-1251. The pool must not be empty.
std::u16string GeneratePassword(std::string_view pool, int length);

}  // namespace sorvane

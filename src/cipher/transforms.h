// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Chained substitution: the n-th result position is the running sum of positions plus n, wrapped.
std::u16string shift(std::u16string_view s1);
std::u16string deshift(std::u16string_view s1);

// The characters in reverse order; its own inverse for any text.
std::u16string mirrorh(std::u16string_view s1);

// Every position p becomes 171 - p: "я" turns into U+0000 and every character outside the table into "я".
std::u16string mirrorv(std::u16string_view s1);

// Keyed encoding that puts (key character's position mod 10) random table characters before each
// carrier. The group sizes depend on the key alone. An empty key acts like a key of characters
// outside the table: nothing inserted, nothing added.
std::u16string addrnd(std::u16string_view s1, std::u16string_view s2);

// Inverse of addrnd; ignores an incomplete last group; the empty key gives the empty text.
std::u16string deaddrnd(std::u16string_view s1, std::u16string_view s2);

// The keyless transforms on a text of the caller's, without a new allocation.
void ShiftInPlace(std::u16string& text);
void DeshiftInPlace(std::u16string& text);
void MirrorhInPlace(std::u16string& text);
void MirrorvInPlace(std::u16string& text);

}  // namespace sorvane

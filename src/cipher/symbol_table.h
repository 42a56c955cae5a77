// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace sorvane {

// The cipher's alphabet: 171 characters, each with a one-byte Windows-1251 code.
inline constexpr int kSymbolCount = 171;
extern const std::u16string_view SymbolTable;

namespace detail {
// Position (1..171) of every UTF-16 code unit, 0 for units outside the table.
struct PositionTable {
    std::array<unsigned char, 65536> position{};
};
extern const PositionTable kPositions;
// Character of each position 0..171 (U+0000 at 0), and of each wrapped sum and difference of two
// positions: lookups instead of branches that the cipher's data makes unpredictable.
extern const std::array<char16_t, kSymbolCount + 1> kSymbols;
extern const std::array<char16_t, 2 * kSymbolCount + 1> kSymbolOfSum;         // index c, 0..342
extern const std::array<char16_t, 2 * kSymbolCount + 1> kSymbolOfDifference;  // index c + 171
}  // namespace detail

// Position of one code unit in SymbolTable (1-based), 0 when it is not there. Constant time.
inline int PositionOf(char16_t ch) { return detail::kPositions.position[ch]; }

// Table character at a position 1..171; position 0 gives U+0000.
inline char16_t SymbolAt(int position) { return detail::kSymbols[position]; }

// Brings a sum of two positions (0..342) back into 0..171: above 171 loses 171 once.
constexpr int WrapDown(int c) { return c > kSymbolCount ? c - kSymbolCount : c; }

// Brings a difference (-171..171) up into 0..171: below 1 gains 171 once.
constexpr int WrapUp(int c) { return c < 1 ? c + kSymbolCount : c; }

// SymbolAt(WrapDown(c)) for c in 0..342, and SymbolAt(WrapUp(c)) for c in -171..171.
inline char16_t SymbolOfSum(int c) { return detail::kSymbolOfSum[c]; }
inline char16_t SymbolOfDifference(int c) { return detail::kSymbolOfDifference[c + kSymbolCount]; }

// Position to one-character text: 1..171 the table character, 0 U+0000, anything else empty.
std::u16string asciistr(int i1);

// Position of the first code unit of str, 0 when it is outside the table or str is empty.
int asciiint(std::u16string_view str);

}  // namespace sorvane

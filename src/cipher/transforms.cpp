// SPDX-License-Identifier: GPL-3.0-or-later
#include "cipher/transforms.h"

#include <algorithm>
#include <vector>

#include "cipher/symbol_table.h"
#include "random/random_source.h"

namespace sorvane {
namespace {

constexpr int kMaxDigit = 9;

int Digit(int position) { return position % 10; }

}  // namespace

void ShiftInPlace(std::u16string& text) {
    int c = 0;
    for (char16_t& ch : text) {
        c = PositionOf(ch) + c + 1;  // at most 343: two subtractions, without branches
        c -= kSymbolCount & -(c > kSymbolCount);
        c -= kSymbolCount & -(c > kSymbolCount);
        ch = SymbolAt(c);
    }
}

void DeshiftInPlace(std::u16string& text) {
    int previous = 0;
    for (char16_t& ch : text) {
        const int current = PositionOf(ch);
        int c = current - previous - 1;  // at least -172: two additions, without branches
        c += kSymbolCount & -(c < 1);
        c += kSymbolCount & -(c < 1);
        ch = SymbolAt(c);
        previous = current;
    }
}

void MirrorhInPlace(std::u16string& text) { std::reverse(text.begin(), text.end()); }

void MirrorvInPlace(std::u16string& text) {
    for (char16_t& ch : text) ch = SymbolAt(kSymbolCount - PositionOf(ch));
}

std::u16string shift(std::u16string_view s1) {
    std::u16string text(s1);
    ShiftInPlace(text);
    return text;
}

std::u16string deshift(std::u16string_view s1) {
    std::u16string text(s1);
    DeshiftInPlace(text);
    return text;
}

std::u16string mirrorh(std::u16string_view s1) { return std::u16string(s1.rbegin(), s1.rend()); }

std::u16string mirrorv(std::u16string_view s1) {
    std::u16string text(s1);
    MirrorvInPlace(text);
    return text;
}

std::u16string addrnd(std::u16string_view s1, std::u16string_view s2) {
    if (s2.empty()) {
        // Same as a key character outside the table: digit 0, position 0.
        std::u16string result(s1);
        for (char16_t& ch : result) ch = SymbolAt(PositionOf(ch));
        return result;
    }
    // The group sizes depend on the key alone: count the random characters, then draw them at once.
    std::size_t random_count = 0;
    for (std::size_t n = 0, i = 0; n < s1.size(); ++n, i = i + 1 == s2.size() ? 0 : i + 1)
        random_count += Digit(PositionOf(s2[i]));
    std::vector<std::uint8_t> draws(random_count + kMaxDigit);
    RandomFillBelow(kSymbolCount, draws.data(), random_count);

    // Each group writes a full run of kMaxDigit random characters and keeps d of them: the rest is
    // overwritten by what follows, and the padding at the end is cut off. No branch on d.
    std::u16string result(s1.size() + random_count + kMaxDigit, u'\0');
    std::size_t out = 0, drawn = 0, i = 0;
    for (const char16_t ch : s1) {
        const int key_position = PositionOf(s2[i]);
        if (++i == s2.size()) i = 0;
        const int d = Digit(key_position);
        for (int r = 0; r < kMaxDigit; ++r) result[out + r] = SymbolAt(draws[drawn + r] + 1);
        out += d;
        drawn += d;
        const int added = d > 0 ? draws[drawn - 1] + 1 : key_position;
        result[out++] = SymbolOfSum(PositionOf(ch) + added);
    }
    result.resize(out);
    return result;
}

std::u16string deaddrnd(std::u16string_view s1, std::u16string_view s2) {
    std::u16string result;
    if (s2.empty()) return result;
    result.reserve(s1.size());
    std::size_t p = 0;  // 1-based position of the current group's carrier
    std::size_t i = 0;
    for (;;) {
        const int key_position = PositionOf(s2[i]);
        if (++i == s2.size()) i = 0;
        const int d = Digit(key_position);
        p += static_cast<std::size_t>(d) + 1;
        if (p > s1.size()) break;
        const int subtracted = d > 0 ? PositionOf(s1[p - 2]) : key_position;
        result.push_back(SymbolOfDifference(PositionOf(s1[p - 1]) - subtracted));
    }
    return result;
}

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/windows1251.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace sorvane {
namespace {

// Characters of the bytes 0x80 to 0xFF. The byte 0x98 has no character in the code page; it decodes
// to U+0098 so that every byte string survives a decode and an encode.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201a, 0x0453, 0x201e, 0x2026, 0x2020, 0x2021, 0x20ac, 0x2030, 0x0409, 0x2039, 0x040a,
    0x040c, 0x040b, 0x040f, 0x0452, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203a, 0x045a, 0x045c, 0x045b, 0x045f, 0x00a0, 0x040e, 0x045e, 0x0408, 0x00a4, 0x0490, 0x00a6,
    0x00a7, 0x0401, 0x00a9, 0x0404, 0x00ab, 0x00ac, 0x00ad, 0x00ae, 0x0407, 0x00b0, 0x00b1, 0x0406, 0x0456,
    0x0491, 0x00b5, 0x00b6, 0x00b7, 0x0451, 0x2116, 0x0454, 0x00bb, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041a, 0x041b, 0x041c, 0x041d,
    0x041e, 0x041f, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042a,
    0x042b, 0x042c, 0x042d, 0x042e, 0x042f, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043a, 0x043b, 0x043c, 0x043d, 0x043e, 0x043f, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044a, 0x044b, 0x044c, 0x044d, 0x044e, 0x044f,
};

struct ReverseEntry {
    char16_t character;
    unsigned char byte;
};

constexpr std::array<ReverseEntry, 128> MakeReverse() {
    std::array<ReverseEntry, 128> reverse{};
    for (std::size_t i = 0; i < 128; ++i) reverse[i] = {kUpperHalf[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(reverse.begin(), reverse.end(),
              [](const ReverseEntry& a, const ReverseEntry& b) { return a.character < b.character; });
    return reverse;
}

constexpr auto kReverse = MakeReverse();

bool IsHighSurrogate(char16_t c) { return c >= 0xd800 && c <= 0xdbff; }
bool IsLowSurrogate(char16_t c) { return c >= 0xdc00 && c <= 0xdfff; }

// The byte of a character of the upper half, or nothing.
std::optional<unsigned char> UpperHalfByte(char16_t c) {
    const auto it = std::lower_bound(kReverse.begin(), kReverse.end(), c,
                                     [](const ReverseEntry& e, char16_t ch) { return e.character < ch; });
    if (it == kReverse.end() || it->character != c) return std::nullopt;
    return it->byte;
}

}  // namespace

bool HasWindows1251Code(char16_t c) { return c < 0x80 || UpperHalfByte(c).has_value(); }

char16_t DecodeWindows1251Byte(unsigned char byte) {
    return byte < 0x80 ? static_cast<char16_t>(byte) : kUpperHalf[byte - 0x80];
}

std::u16string DecodeWindows1251(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = DecodeWindows1251Byte(static_cast<unsigned char>(bytes[i]));
    return text;
}

std::string EncodeWindows1251(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c < 0x80) {
            bytes.push_back(static_cast<char>(c));
            continue;
        }
        // A surrogate pair is one character: one substitute for both halves.
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) ++i;
        bytes.push_back(static_cast<char>(UpperHalfByte(c).value_or('?')));
    }
    return bytes;
}

std::u16string RoundTripWindows1251(std::u16string_view text) { return DecodeWindows1251(EncodeWindows1251(text)); }

}  // namespace sorvane

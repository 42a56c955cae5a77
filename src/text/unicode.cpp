// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/unicode.h"

namespace sorvane {
namespace {

constexpr char32_t kReplacement = 0xfffd;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xc0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xe0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    } else {
        out.push_back(static_cast<char>(0xf0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3f)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3f)));
    }
}

// Decodes one UTF-8 sequence at bytes[i]; returns its length, or 0 when it is malformed.
std::size_t DecodeUtf8At(std::string_view bytes, std::size_t i, char32_t& c) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char b = byte(i);
    std::size_t length;
    char32_t minimum;
    if (b < 0x80) {
        c = b;
        return 1;
    } else if (b >= 0xc2 && b <= 0xdf) {
        length = 2, minimum = 0x80, c = b & 0x1f;
    } else if (b >= 0xe0 && b <= 0xef) {
        length = 3, minimum = 0x800, c = b & 0x0f;
    } else if (b >= 0xf0 && b <= 0xf4) {
        length = 4, minimum = 0x10000, c = b & 0x07;
    } else {
        return 0;
    }
    if (i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xc0) != 0x80) return 0;
        c = (c << 6) | (byte(i + k) & 0x3f);
    }
    if (c < minimum || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff)) return 0;
    return length;
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xd800 && c <= 0xdbff && i + 1 < text.size() && text[i + 1] >= 0xdc00 && text[i + 1] <= 0xdfff) {
            c = 0x10000 + ((c - 0xd800) << 10) + (text[i + 1] - 0xdc00);
            ++i;
        } else if (c >= 0xd800 && c <= 0xdfff) {
            c = kReplacement;
        }
        AppendUtf8(out, c);
    }
    return out;
}

std::u16string Utf8ToUtf16(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c;
        std::size_t length = DecodeUtf8At(bytes, i, c);
        if (length == 0) {
            c = kReplacement;
            length = 1;
        }
        i += length;
        if (c >= 0x10000) {
            out.push_back(static_cast<char16_t>(0xd800 + ((c - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xdc00 + ((c - 0x10000) & 0x3ff)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t c;
        const std::size_t length = DecodeUtf8At(bytes, i, c);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace sorvane

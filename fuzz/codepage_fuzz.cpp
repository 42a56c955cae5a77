// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-1251 codec: every byte string survives a decode and an encode; any UTF-16 text encodes
// to at most one byte per code unit, and what it gives decodes to the text with "?" in some places.
#include <cstdlib>

#include "fuzz_input.h"
#include "text/unicode.h"
#include "text/windows1251.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (sorvane::EncodeWindows1251(sorvane::DecodeWindows1251(bytes)) != bytes) std::abort();

    sorvane::fuzzing::FuzzInput input(data, size);
    const std::u16string text = input.RestAsText();
    const std::string encoded = sorvane::EncodeWindows1251(text);
    if (encoded.size() > text.size()) std::abort();
    const std::u16string back = sorvane::DecodeWindows1251(encoded);
    for (std::size_t i = 0, j = 0; i < back.size(); ++i, ++j) {
        if (back[i] == u'?') {
            // A substitute stands for one character: a surrogate pair takes two units.
            if (text[j] >= 0xd800 && text[j] <= 0xdbff && j + 1 < text.size() && text[j + 1] >= 0xdc00 &&
                text[j + 1] <= 0xdfff)
                ++j;
            continue;
        }
        if (back[i] != text[j]) std::abort();
    }
    // UTF-8 of any text decodes to it, lone surrogates aside.
    const std::string utf8 = sorvane::Utf16ToUtf8(text);
    if (!sorvane::IsValidUtf8(utf8)) std::abort();
    return 0;
}

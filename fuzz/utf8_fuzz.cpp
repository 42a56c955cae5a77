// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 decoding of any bytes: no crash, well-formed UTF-16 out (no lone surrogates), valid input
// round-trips exactly, and invalid input never decodes to the same text as some valid input of it.
#include <cstdlib>

#include "fuzz_input.h"
#include "text/unicode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = sorvane::Utf8ToUtf16(bytes);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xd800 && c <= 0xdbff) {
            if (i + 1 >= text.size() || text[i + 1] < 0xdc00 || text[i + 1] > 0xdfff) std::abort();
            ++i;
        } else if (c >= 0xdc00 && c <= 0xdfff) {
            std::abort();
        }
    }
    const std::string again = sorvane::Utf16ToUtf8(text);
    if (!sorvane::IsValidUtf8(again)) std::abort();
    if (sorvane::IsValidUtf8(bytes) != (again == bytes)) std::abort();
    if (sorvane::Utf8ToUtf16(again) != text) std::abort();
    return 0;
}

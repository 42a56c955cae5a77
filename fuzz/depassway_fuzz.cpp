// SPDX-License-Identifier: GPL-3.0-or-later
// Depassway and DecodeKey accept any text and any master key, and give table characters only.
#include <cstdlib>

#include "cipher/builtin_chain.h"
#include "cipher/symbol_table.h"
#include "fuzz_input.h"
#include "keystore/key_chain.h"

namespace {

void RequireTableText(const std::u16string& text) {
    for (char16_t c : text)
        if (sorvane::PositionOf(c) == 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sorvane::fuzzing::FuzzInput input(data, size);
    const std::u16string master_key = input.Text();
    const unsigned passage = input.Byte() % 3;
    const std::u16string text = input.RestAsText();
    RequireTableText(sorvane::Depassway(text));
    RequireTableText(sorvane::DecodeKey(text, master_key, static_cast<sorvane::CodePagePassage>(passage)));
    // And the other way: what EncodeKey makes decodes back to the table text it was made from.
    const std::u16string table_text = sorvane::fuzzing::ToTableText(text);
    const std::u16string encoded = sorvane::EncodeKey(table_text, master_key);
    RequireTableText(encoded);
    if (sorvane::DecodeKey(encoded, master_key) != table_text) std::abort();
    return 0;
}

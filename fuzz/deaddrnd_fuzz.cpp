// SPDX-License-Identifier: GPL-3.0-or-later
// deaddrnd of any text under any key: no crash, never longer than its input; addrnd then deaddrnd
// gives table texts back.
#include <cstdlib>

#include "cipher/symbol_table.h"
#include "cipher/transforms.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sorvane::fuzzing::FuzzInput input(data, size);
    const std::u16string key = input.Text();
    const std::u16string text = input.RestAsText();
    if (sorvane::deaddrnd(text, key).size() > text.size()) std::abort();
    const std::u16string table_text = sorvane::fuzzing::ToTableText(text);
    if (!key.empty() && sorvane::deaddrnd(sorvane::addrnd(table_text, key), key) != table_text) std::abort();
    if (sorvane::deshift(sorvane::shift(table_text)) != table_text) std::abort();
    return 0;
}

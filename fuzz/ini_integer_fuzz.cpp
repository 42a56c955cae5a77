// SPDX-License-Identifier: GPL-3.0-or-later
// Integer values of the settings file: every int written in any of the accepted spellings reads back
// as itself, and any text that reads as a number reads as the same number when written back.
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "settings/ini_values.h"

namespace {

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::string Hex(unsigned long long magnitude) {
    static constexpr char kDigits[] = "0123456789aBcDeF";
    std::string digits;
    do {
        digits.insert(digits.begin(), kDigits[magnitude % 16]);
        magnitude /= 16;
    } while (magnitude != 0);
    return digits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sorvane::fuzzing::FuzzInput input(data, size);
    std::uint32_t raw = 0;
    for (int i = 0; i < 4; ++i) raw = (raw << 8) | input.Byte();
    const int n = static_cast<int>(raw);
    const long long value = n;
    const std::string sign = value < 0 ? "-" : "";
    const unsigned long long magnitude =
        value < 0 ? static_cast<unsigned long long>(-value) : static_cast<unsigned long long>(value);
    for (const std::string& spelling : {std::to_string(n), " \t" + std::to_string(n), sign + "$" + Hex(magnitude),
                                        sign + "0x" + Hex(magnitude), sign + "X" + Hex(magnitude)}) {
        if (sorvane::ParseIniInteger(Wide(spelling)) != n) std::abort();
    }

    const std::u16string text = input.RestAsText();
    if (const auto parsed = sorvane::ParseIniInteger(text)) {
        if (sorvane::ParseIniInteger(Wide(std::to_string(*parsed))) != *parsed) std::abort();
        // A trailing character that is no digit of any base makes it unreadable.
        if (sorvane::ParseIniInteger(text + u"g")) std::abort();
    }
    return 0;
}

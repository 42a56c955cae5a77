// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "cipher/symbol_table.h"

namespace sorvane::fuzzing {

// Reads the fuzzer's bytes as pieces: a length-prefixed UTF-16 text, then the rest.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    // Up to `limit` code units: a one-byte length, then two bytes per unit.
    std::u16string Text(std::size_t limit = 255) {
        const std::size_t wanted = std::min<std::size_t>(Byte(), limit);
        std::u16string text;
        for (std::size_t i = 0; i < wanted && size_ >= 2; ++i) {
            text.push_back(static_cast<char16_t>(data_[0] | (data_[1] << 8)));
            Skip(2);
        }
        return text;
    }

    // All remaining bytes as UTF-16 code units.
    std::u16string RestAsText() {
        std::u16string text;
        while (size_ >= 2) {
            text.push_back(static_cast<char16_t>(data_[0] | (data_[1] << 8)));
            Skip(2);
        }
        return text;
    }

    std::string RestAsBytes() {
        std::string bytes(reinterpret_cast<const char*>(data_), size_);
        Skip(size_);
        return bytes;
    }

    unsigned Byte() {
        if (size_ == 0) return 0;
        const unsigned b = data_[0];
        Skip(1);
        return b;
    }

private:
    void Skip(std::size_t n) {
        data_ += n;
        size_ -= n;
    }

    const std::uint8_t* data_;
    std::size_t size_;
};

// The text mapped onto SymbolTable characters, for round-trip properties that hold on table text.
inline std::u16string ToTableText(const std::u16string& text) {
    std::u16string table_text;
    for (char16_t c : text) table_text.push_back(SymbolAt(1 + c % kSymbolCount));
    return table_text;
}

}  // namespace sorvane::fuzzing

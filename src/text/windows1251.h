// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// The single-byte code page of key files on every platform.

// Character of one byte.
char16_t DecodeWindows1251Byte(unsigned char byte);

// Whether the character has a byte of its own (a surrogate never has).
bool HasWindows1251Code(char16_t c);

// Every byte decodes to one character.
std::u16string DecodeWindows1251(std::string_view bytes);

// A character without a code (a surrogate pair counts as one character) becomes "?".
std::string EncodeWindows1251(std::u16string_view text);

// Through the code page and back: characters without a code turn into "?".
std::u16string RoundTripWindows1251(std::u16string_view text);

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

// How a key is kept in its file: as typed, or enciphered under a master key.
enum class KeyForm { kPlain, kEncoded };

// The characters of a key that would not come back unchanged from a key file: in plain form those
// without a Windows-1251 byte, in encoded form those outside SymbolTable, and in both CR, LF and
// U+001A, which end the line. Each character once, in the order of first appearance; a surrogate
// pair counts as one character. Empty when the key can be stored.
std::vector<std::u16string> UnstorableCharacters(std::u16string_view key, KeyForm form);

// The first few of the characters, each quoted or named by its code, as messages show them.
std::u16string QuotedCharacters(const std::vector<std::u16string>& characters);

// The refusal shown for such a key: which characters (the first few, quoted) and why.
std::u16string UnstorableKeyMessage(const std::vector<std::u16string>& characters, KeyForm form);

}  // namespace sorvane

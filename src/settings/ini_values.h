// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

// An integer value: optional leading blanks and sign, then decimal digits or hexadecimal ones after
// "$", "x", "X", "0x" or "0X". Anything else, or a value out of range, gives nothing.
std::optional<int> ParseIniInteger(std::u16string_view value);

// The value as it stands in the file: enclosed in double quotes when it begins or ends with a blank
// or a double quote, so that reading it back gives it exactly.
std::u16string QuoteIniValue(std::u16string_view value);

// The value as read: surrounding blanks removed, then one pair of enclosing double quotes.
std::u16string UnquoteIniValue(std::u16string_view raw);

// Blanks around a name or value: spaces and tabs.
std::u16string_view TrimIniBlanks(std::u16string_view text);

}  // namespace sorvane

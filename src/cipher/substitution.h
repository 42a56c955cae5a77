// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Keyed substitution: each text character's position plus (minus) the position of the key character
// serving it, the key used cyclically. Same length as s1. An empty key acts like a key of characters
// outside the table (position 0).
std::u16string password(std::u16string_view s1, std::u16string_view s2);
std::u16string depassword(std::u16string_view s1, std::u16string_view s2);

// The same, on a text of the caller's, without a new allocation.
void PasswordInPlace(std::u16string& text, std::u16string_view key);
void DepasswordInPlace(std::u16string& text, std::u16string_view key);

}  // namespace sorvane

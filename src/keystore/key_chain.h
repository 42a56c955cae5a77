// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Where a chain's intermediate results pass through the code page and back: the copy command does
// it after every step, the write command after steps 1 to 6, the create command never. Under
// Windows-1251 the passages change nothing, since every intermediate text is made of table characters.
enum class CodePagePassage { AfterEveryStep, AfterStepsOneToSix, None };

// Passway's chain with the master key in place of BuiltInKey1.
std::u16string EncodeKey(std::u16string_view key, std::u16string_view master_key,
                         CodePagePassage passage = CodePagePassage::None);

// Depassway's chain with the master key in place of BuiltInKey1.
std::u16string DecodeKey(std::u16string_view stored_line, std::u16string_view master_key,
                         CodePagePassage passage = CodePagePassage::None);

}  // namespace sorvane

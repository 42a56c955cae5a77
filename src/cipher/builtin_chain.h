// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace sorvane {

// The built-in keys. They fix the stored format: every encoded text depends on them, never change them.
extern const std::u16string_view BuiltInKey1;
extern const std::u16string_view BuiltInKey2;
extern const std::u16string_view BuiltInKey3;

// Called with each step's result (steps numbered 1..7) before the next step reads it.
using ChainStepHook = std::function<void(std::u16string& result, int step)>;

// The seven-step encode chain with first_key in the first substitution; BuiltInKey2 and BuiltInKey3
// serve the later steps. Passway is this chain under BuiltInKey1.
std::u16string EncodeChain(std::u16string_view text, std::u16string_view first_key,
                           const ChainStepHook& after_step = {});

// The inverse chain, last_key in the last substitution.
std::u16string DecodeChain(std::u16string_view text, std::u16string_view last_key,
                           const ChainStepHook& after_step = {});

// Encodes under the built-in keys alone; the result holds SymbolTable characters only.
std::u16string Passway(std::u16string_view s1);

// Decodes a result of Passway; any input gives some text of SymbolTable characters.
std::u16string Depassway(std::u16string_view s1);

}  // namespace sorvane

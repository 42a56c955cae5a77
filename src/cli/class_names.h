// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "generator/password_generator.h"

namespace sorvane {

// The class boxes' items as --classes names them: a comma-separated list of
//   latin, latin-upper, latin-lower      ComboBox1: "Английские", "Заглавные", "Строчные"
//   russian, russian-upper, russian-lower ComboBox2: "Русские", "Заглавные", "Строчные"
//   digits, signs                        ComboBox3: "Цифры", "Знаки" (both: "Циф.+Знаки")
//   none                                 adds nothing
// Both halves of a box make its "both" item. Nothing for an unknown name.
std::optional<ClassChoice> ParseClassNames(std::string_view list);

}  // namespace sorvane

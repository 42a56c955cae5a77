// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// The settings file's bytes as text, decided line by line: UTF-8 (a leading byte order mark skipped),
// or Windows-1251 for a line that is not valid UTF-8 (written by hand or by an older version).
std::u16string DecodeSettingsText(std::string_view bytes);

}  // namespace sorvane

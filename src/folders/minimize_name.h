// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "folders/path_names.h"

namespace sorvane {

// Shortens a folder path to fit: the leading folders after the drive (or root) are replaced step by
// step by "...", then the drive goes too, and last the bare final folder is left. fits tells whether
// a candidate is narrow enough.
std::u16string MinimizeName(std::u16string_view path, const std::function<bool(std::u16string_view)>& fits,
                            PathStyle style = kNativePathStyle);

}  // namespace sorvane

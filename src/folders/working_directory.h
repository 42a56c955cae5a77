// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sorvane {

// The process's working directory, absolute, without a trailing separator except at the root.
std::filesystem::path CurrentWorkingDirectory();

// Makes the folder (absolute or relative to the current one) the working directory and returns its
// absolute path in the form above, as typed: a folder entered through a symbolic link keeps the
// link's name (".." and "." are worked out in the text, as a shell does). Throws IoError naming the
// folder when it cannot be entered.
std::filesystem::path EnterFolder(const std::filesystem::path& folder);

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// The data folder of an installed program: "<prefix>/share/sorvane/" for a program in "<prefix>/bin/",
// resolved (no "..") and ending with the separator.
std::u16string InstalledDataDirectory(std::u16string_view program_directory);

// Where a file shipped with the program (a font) is: beside the program when it lies there, else in
// the installed data folder when it lies there, else beside the program (where it is then missing).
std::u16string ShippedFilePath(std::u16string_view program_directory, std::u16string_view name);

// Whether the program runs from an installed tree: its masking font lies in the installed data
// folder and not beside it (a build folder or an unpacked folder has the font beside the program).
bool RunsInstalled(std::u16string_view program_directory);

}  // namespace sorvane

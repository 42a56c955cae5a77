// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else "~/.config"
// (the home from $HOME, else from the user database); nothing when no home is known.
std::optional<std::u16string> UserConfigHome();

// The settings file "sorvane.ini". Beside the program when one lies there already (portable use) or
// when the program does not run from an installed tree (a build folder, an unpacked folder); an
// installed program keeps it in "<config home>/sorvane/", or beside itself without a config home.
std::u16string SettingsFilePath(std::u16string_view program_directory,
                                const std::optional<std::u16string>& config_home);

// Creates the missing folders up to the settings file's folder, owner-only, unless the file lies
// beside the program (a program folder that has gone is not made again). Throws IoError naming the
// folder that cannot be made.
void CreateSettingsFolder(std::u16string_view settings_path, std::u16string_view program_directory);

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_file.h"

namespace sorvane {

// What the window keeps between runs: section "FORM1" of the settings file, one member a key.
struct WindowSettings {
    int left = 0;                            // "left"
    int top = 0;                             // "top"
    int width = 0;                           // "width", the outer width
    int height = 0;                          // "height", the outer height
    std::u16string window_state;             // "WindowState", the window-mode box's text
    std::u16string dir;                      // "Dir", the folder list's folder
    bool hide_pass1 = false;                 // "HidePass1"
    bool remember = false;                   // "Remember"
    std::optional<std::u16string> password;  // "Password", the master field as stored; written only when set
    int clear_clipboard = 0;                 // "ClearClipboard", seconds (0: never); read, never written

    bool operator==(const WindowSettings&) const = default;
};

// The values of the file; a missing key or an unreadable number keeps the value of defaults.
WindowSettings ReadWindowSettings(const SettingsFile& file, const WindowSettings& defaults);

// Sets every value in the file, in the order of the members. A text that cannot be written (a line
// break) is skipped and the others are still set; the result names the skipped keys.
std::vector<std::u16string> WriteWindowSettings(SettingsFile& file, const WindowSettings& settings);

// What the user is told about a key that was not saved.
std::u16string SkippedSettingMessage(const std::u16string& key);

}  // namespace sorvane

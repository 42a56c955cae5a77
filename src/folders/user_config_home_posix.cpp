// SPDX-License-Identifier: GPL-3.0-or-later
#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "folders/settings_location.h"
#include "text/unicode.h"

namespace sorvane {

std::optional<std::u16string> UserConfigHome() {
    // A relative $XDG_CONFIG_HOME is invalid and ignored, as the XDG base directory rules say.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') return Utf8ToUtf16(xdg);
    std::string home;
    if (const char* variable = std::getenv("HOME"); variable != nullptr && variable[0] == '/') {
        home = variable;
    } else if (const passwd* entry = ::getpwuid(::getuid());
               entry != nullptr && entry->pw_dir != nullptr && entry->pw_dir[0] == '/') {
        home = entry->pw_dir;
    } else {
        return std::nullopt;
    }
    if (home.back() != '/') home += '/';
    return Utf8ToUtf16(home + ".config");
}

}  // namespace sorvane

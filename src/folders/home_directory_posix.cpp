// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/home_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "text/unicode.h"

namespace sorvane {

std::u16string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') return Utf8ToUtf16(home);
    if (const passwd* account = ::getpwuid(::getuid());
        account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] == '/')
        return Utf8ToUtf16(account->pw_dir);
    return {};
}

}  // namespace sorvane

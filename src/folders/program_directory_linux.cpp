// SPDX-License-Identifier: GPL-3.0-or-later
#include "folders/program_directory.h"

#include <unistd.h>

#include <string>

#include "text/unicode.h"

namespace sorvane {

std::u16string ProgramDirectory() {
    std::string path(4096, '\0');
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0) return u"./";
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            break;
        }
        path.resize(path.size() * 2);
    }
    return Utf8ToUtf16(path.substr(0, path.rfind('/') + 1));
}

}  // namespace sorvane

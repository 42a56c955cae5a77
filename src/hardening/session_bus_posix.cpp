// SPDX-License-Identifier: GPL-3.0-or-later
#include "hardening/session_bus.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <string>

namespace sorvane {

bool SessionBusReachable(const char* address, const char* runtime_folder) {
    if (address != nullptr && *address != '\0') return true;
    if (runtime_folder == nullptr || *runtime_folder == '\0') return false;
    struct stat info {};
    return ::stat((std::string(runtime_folder) + "/bus").c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

void KeepSessionBusFromAutolaunching() {
    if (!SessionBusReachable(::getenv("DBUS_SESSION_BUS_ADDRESS"), ::getenv("XDG_RUNTIME_DIR"))) {
        ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    }
}

}  // namespace sorvane

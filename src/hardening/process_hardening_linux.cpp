// SPDX-License-Identifier: GPL-3.0-or-later
#include "hardening/process_hardening.h"

#include <sys/prctl.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace sorvane {

void HardenProcess() {
    // A core lands in the working folder, which is the key folder, and would hold every key in clear.
    const rlimit no_core{0, 0};
    if (::setrlimit(RLIMIT_CORE, &no_core) != 0)
        throw std::system_error(errno, std::generic_category(), "core size limit");
    // The kernel does not apply the size limit when the core pattern pipes to a handler; a process
    // that is not dumpable gets no core either way.
    if (::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0)
        throw std::system_error(errno, std::generic_category(), "not dumpable");
}

void HardenProcessOrWarn(const char* program) {
    try {
        HardenProcess();
    } catch (const std::system_error& error) {
        std::fprintf(stderr, "%s: core dumps stay possible (%s)\n", program, error.what());
    }
}

}  // namespace sorvane

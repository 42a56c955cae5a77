#include "cli/process_hardening.h"

#include <sys/prctl.h>
#include <sys/resource.h>

namespace sorvane {

void HardenProcess() {
    const rlimit no_core{0, 0};
    ::setrlimit(RLIMIT_CORE, &no_core);
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}

}  // namespace sorvane

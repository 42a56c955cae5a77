#pragma once

namespace sorvane {

// Keeps the keys in this process out of core dumps and away from other processes of the same user
// (no ptrace attach, no /proc/PID/mem). Inherited by forked children; an exec'd one calls it itself.
void HardenProcess();

}  // namespace sorvane

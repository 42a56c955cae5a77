// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sorvane {

// Keeps the running program's memory, which holds keys and the master key, out of core files: the
// core size limit becomes zero and the process is marked not dumpable, which also keeps other
// processes of the same user from attaching to it or reading its memory. Called first thing at
// start-up. Throws std::system_error when the system refuses either step.
void HardenProcess();

}  // namespace sorvane

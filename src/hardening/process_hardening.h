// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sorvane {

// Keeps the running program's memory, which holds keys and the master key, out of core files: the
// core size limit becomes zero and the process is marked not dumpable, which also keeps other
// processes of the same user from attaching to it or reading its memory. Called first thing at
// start-up. Throws std::system_error when the system refuses either step.
void HardenProcess();

// HardenProcess for a program's entry: when the system refuses, the program goes on and says on
// standard error that a crash could leave its keys in a core file.
void HardenProcessOrWarn(const char* program);

}  // namespace sorvane

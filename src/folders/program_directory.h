// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace sorvane {

// The folder of the running executable as the system reports it (not the working folder), ending
// with the separator. Computed afresh on every call.
std::u16string ProgramDirectory();

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "cli/arguments.h"

namespace sorvane {

// The --help text of a command (kNone: of the program), UTF-8.
std::string_view HelpText(Command command);

}  // namespace sorvane

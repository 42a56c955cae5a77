// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "cli/exit_codes.h"

namespace sorvane {

// Ends a command: the message (UTF-8, Russian) goes to standard error, the code to the shell.
// An empty message means that it has already been told.
class CliFailure : public std::runtime_error {
public:
    CliFailure(ExitCode code, std::u16string_view message);
    ExitCode code() const { return code_; }

private:
    ExitCode code_;
};

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_failure.h"

#include "text/unicode.h"

namespace sorvane {

CliFailure::CliFailure(ExitCode code, std::u16string_view message)
    : std::runtime_error(Utf16ToUtf8(message)), code_(code) {}

}  // namespace sorvane

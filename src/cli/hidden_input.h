// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Shows the prompt on the controlling terminal and reads one line from it with echo off (the line
// break is not part of the result). The terminal's settings come back also when a signal ends us.
// Throws CliFailure: kUsage when there is no terminal, kRefused when the input ends before a line.
std::string ReadHiddenLine(std::u16string_view prompt);

}  // namespace sorvane

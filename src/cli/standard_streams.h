// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Writes all of the bytes to standard output. Throws CliFailure (kIo) when they cannot all go out:
// a closed pipe, a full disk.
void WriteStandardOutput(std::string_view bytes);

// Writes to standard error; nothing more can be done when that fails.
void WriteStandardError(std::string_view bytes);

// Everything on standard input up to its end. Throws CliFailure (kIo).
std::string ReadStandardInput();

// The bytes with one line break at the end taken off: LF or CR LF.
std::string_view WithoutFinalLineBreak(std::string_view bytes);

}  // namespace sorvane

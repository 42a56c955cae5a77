// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sorvane {

// What sorvane-cli and its clipboard server give back to the shell.
enum class ExitCode : int {
    kOk = 0,
    kUnexpected = 1,  // a fault we did not foresee
    kUsage = 2,       // bad arguments, or no terminal where one is needed
    kNotFound = 3,    // a key file, master key file or folder that does not exist
    kIo = 4,          // a file that cannot be read or written, the streams, no clipboard
    kRefused = 5,     // a refusal of the window's rules: keys that differ, unstorable characters, ...
};

}  // namespace sorvane

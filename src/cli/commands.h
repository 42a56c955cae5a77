// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/arguments.h"

namespace sorvane {

// Each command does its work or throws CliFailure or IoError.

// Prints the key of the key file, decoded under the master key, and a line break.
void RunShow(const CliArguments& arguments);

// Puts the key on the clipboard and returns once the clipboard holds it.
void RunCopy(const CliArguments& arguments);

// Stores a key read twice from the terminal, or once from standard input, into the key file.
void RunStore(const CliArguments& arguments);

// Prints a password from the chosen classes and a line break.
void RunGenerate(const CliArguments& arguments);

}  // namespace sorvane

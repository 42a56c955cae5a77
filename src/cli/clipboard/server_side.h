// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

// The clipboard servers' side of cli/clipboard_protocol.h, shared by the Qt and the libxcb server.
namespace sorvane {

// Tells sorvane-cli's user why on standard error and ends the server with ExitCode::kIo.
[[noreturn]] void FailClipboardServer(const std::string& message);

// The seconds of "--clear SECONDS", the server's only argument; nullopt without it or when not positive.
std::optional<int> ClearSeconds(int argc, char** argv);

// The key, read from standard input to its end; fails the server when it cannot be read.
std::string ReadKeyOrFail();

// Writes the ready byte; from then on nobody reads the server's streams: they are let go, so that
// a shell waiting for their end (a command substitution, a pipe) goes on.
void ReportReady();

}  // namespace sorvane

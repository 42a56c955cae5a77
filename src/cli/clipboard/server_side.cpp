// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/clipboard/server_side.h"

#include <fcntl.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "cli/clipboard_protocol.h"
#include "cli/exit_codes.h"
#include "cli/standard_streams.h"

namespace sorvane {

void FailClipboardServer(const std::string& message) {
    WriteStandardError("sorvane-cli: " + message + "\n");
    std::_Exit(static_cast<int>(ExitCode::kIo));
}

std::optional<int> ClearSeconds(int argc, char** argv) {
    if (argc != 3 || std::string_view(argv[1]) != "--clear") return std::nullopt;
    const std::string_view text = argv[2];
    int seconds = 0;
    std::from_chars(text.data(), text.data() + text.size(), seconds);
    return seconds > 0 ? std::optional<int>(seconds) : std::nullopt;
}

std::string ReadKeyOrFail() {
    try {
        return ReadStandardInput();
    } catch (const std::exception& error) {
        FailClipboardServer(error.what());
    }
}

void ReportReady() {
    const char ready = kClipboardReady;
    if (::write(STDOUT_FILENO, &ready, 1) != 1) std::_Exit(static_cast<int>(ExitCode::kIo));
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::close(null);
}

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/standard_streams.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli/cli_failure.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

// Writes until done; false with errno set when the stream refuses.
bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

CliFailure StreamFailure(std::u16string_view what, int error_number) {
    return CliFailure(ExitCode::kIo, std::u16string(what) + u": " + Utf8ToUtf16(std::strerror(error_number)));
}

}  // namespace

void WriteStandardOutput(std::string_view bytes) {
    if (!WriteAll(STDOUT_FILENO, bytes)) throw StreamFailure(u"Не удалось записать в стандартный вывод", errno);
}

void WriteStandardError(std::string_view bytes) { WriteAll(STDERR_FILENO, bytes); }

std::string ReadStandardInput() {
    std::string input;
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, block, sizeof block);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw StreamFailure(u"Не удалось прочитать стандартный ввод", errno);
        if (got == 0) return input;
        input.append(block, static_cast<std::size_t>(got));
    }
}

std::string_view WithoutFinalLineBreak(std::string_view bytes) {
    if (bytes.ends_with("\r\n")) return bytes.substr(0, bytes.size() - 2);
    if (bytes.ends_with('\n')) return bytes.substr(0, bytes.size() - 1);
    return bytes;
}

}  // namespace sorvane

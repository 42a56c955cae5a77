// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/hidden_input.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

#include "cli/cli_failure.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

constexpr int kRestoringSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};

// What a signal handler needs to give the terminal its echo back.
volatile sig_atomic_t g_terminal_fd = -1;
termios g_saved_settings;

void RestoreAndReraise(int signal_number) {
    if (g_terminal_fd >= 0) ::tcsetattr(g_terminal_fd, TCSAFLUSH, &g_saved_settings);
    std::signal(signal_number, SIG_DFL);
    ::raise(signal_number);
}

// Echo off while it lives; the previous settings and signal handlers come back after.
class EchoOff {
public:
    explicit EchoOff(int fd) : fd_(fd) {
        if (::tcgetattr(fd, &g_saved_settings) != 0) return;
        termios quiet = g_saved_settings;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        quiet.c_lflag |= ECHONL;  // the user still sees the line end
        g_terminal_fd = fd;
        for (std::size_t i = 0; i < std::size(kRestoringSignals); ++i)
            previous_[i] = std::signal(kRestoringSignals[i], RestoreAndReraise);
        active_ = ::tcsetattr(fd, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (g_terminal_fd < 0) return;
        if (active_) ::tcsetattr(fd_, TCSAFLUSH, &g_saved_settings);
        g_terminal_fd = -1;
        for (std::size_t i = 0; i < std::size(kRestoringSignals); ++i) std::signal(kRestoringSignals[i], previous_[i]);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int fd_;
    bool active_ = false;
    void (*previous_[std::size(kRestoringSignals)])(int) = {};
};

class Terminal {
public:
    Terminal() : fd_(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        if (fd_ < 0)
            throw CliFailure(ExitCode::kUsage, u"Нет терминала для ввода без эха (" +
                                                   Utf8ToUtf16(std::strerror(errno)) +
                                                   u"); ключ можно подать на стандартный ввод с --stdin");
    }
    ~Terminal() { ::close(fd_); }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::string ReadHiddenLine(std::u16string_view prompt) {
    const Terminal terminal;
    const std::string shown = Utf16ToUtf8(prompt);
    if (::write(terminal.fd(), shown.data(), shown.size()) < 0) {
        // The prompt is a courtesy; reading still works.
    }
    const EchoOff quiet(terminal.fd());
    std::string line;
    for (;;) {
        char byte;
        const ssize_t got = ::read(terminal.fd(), &byte, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) throw CliFailure(ExitCode::kRefused, u"Ввод прерван");
        if (byte == '\n') return line;
        line.push_back(byte);
    }
}

}  // namespace sorvane

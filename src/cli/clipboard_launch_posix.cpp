// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/clipboard_launch.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_failure.h"
#include "cli/clipboard_protocol.h"
#include "folders/file_operations.h"
#include "folders/program_directory.h"
#include "text/unicode.h"

extern char** environ;

namespace sorvane {
namespace {

// The installed servers' folder, from the folder of the installed sorvane-cli, with a final slash.
constexpr std::u16string_view kClipboardServerDirFromBinDir = u"" SORVANE_CLIPBOARD_SERVER_DIR_FROM_BINDIR;

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

// Qt would abort without a display; say so plainly instead. A platform named outright is Qt's to judge.
void RequireDisplay() {
    if (Set("QT_QPA_PLATFORM") || Set("DISPLAY") || Set("WAYLAND_DISPLAY")) return;
    throw CliFailure(ExitCode::kIo, u"Нет дисплея: буфер обмена недоступен (не заданы DISPLAY и WAYLAND_DISPLAY)");
}

// Plain X11 gets the libxcb server; Wayland, or a Qt platform named other than xcb (offscreen), the Qt one.
std::u16string_view ServerName() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const bool xcb_platform = !Set("QT_QPA_PLATFORM") || std::string_view(platform).starts_with("xcb");
    return Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && xcb_platform ? kX11ClipboardServerName : kClipboardServerName;
}

// Beside this program in the build tree, in its libexec folder when installed.
std::string ServerPath(std::u16string_view name) {
    const std::u16string folder = ProgramDirectory();
    const std::u16string beside = folder + std::u16string(name);
    for (const std::u16string& candidate :
         {beside, folder + std::u16string(kClipboardServerDirFromBinDir) + std::u16string(name)}) {
        if (FileExists(candidate)) return Utf16ToUtf8(candidate);
    }
    throw CliFailure(ExitCode::kIo, u"Не найдена программа буфера обмена \"" + beside + u"\"");
}

CliFailure StartFailure(int error_number) {
    return CliFailure(ExitCode::kIo,
                      u"Не удалось запустить программу буфера обмена: " + Utf8ToUtf16(std::strerror(error_number)));
}

class Pipe {
public:
    Pipe() {
        if (::pipe2(ends_, O_CLOEXEC) != 0) throw StartFailure(errno);
    }
    ~Pipe() {
        CloseRead();
        CloseWrite();
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    int read_end() const { return ends_[0]; }
    int write_end() const { return ends_[1]; }
    void CloseRead() { Close(ends_[0]); }
    void CloseWrite() { Close(ends_[1]); }

private:
    static void Close(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    int ends_[2] = {-1, -1};
};

// What to do in the server before it runs: the key pipe as its input, the ready pipe as its output,
// a session of its own (a closing terminal does not end it), the root as working folder (no mount
// kept busy), and SIGPIPE back to its default.
class SpawnSetup {
public:
    SpawnSetup(const Pipe& key, const Pipe& ready) {
        ::posix_spawn_file_actions_init(&actions_);
        ::posix_spawn_file_actions_adddup2(&actions_, key.read_end(), STDIN_FILENO);
        ::posix_spawn_file_actions_adddup2(&actions_, ready.write_end(), STDOUT_FILENO);
        ::posix_spawn_file_actions_addchdir_np(&actions_, "/");
        ::posix_spawnattr_init(&attributes_);
        sigset_t defaults;
        sigemptyset(&defaults);
        sigaddset(&defaults, SIGPIPE);
        ::posix_spawnattr_setsigdefault(&attributes_, &defaults);
        ::posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnSetup() {
        ::posix_spawn_file_actions_destroy(&actions_);
        ::posix_spawnattr_destroy(&attributes_);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    const posix_spawn_file_actions_t* actions() const { return &actions_; }
    const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_;
    posix_spawnattr_t attributes_;
};

void WriteKey(int fd, std::string_view key) {
    while (!key.empty()) {
        const ssize_t written = ::write(fd, key.data(), key.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return;  // the server has gone; its exit status tells why
        key.remove_prefix(static_cast<std::size_t>(written));
    }
}

bool ServerReady(int fd) {
    for (;;) {
        char byte = 0;
        const ssize_t got = ::read(fd, &byte, 1);
        if (got < 0 && errno == EINTR) continue;
        return got == 1 && byte == kClipboardReady;
    }
}

CliFailure ServerFailure(pid_t server) {
    int status = 0;
    while (::waitpid(server, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
        return CliFailure(static_cast<ExitCode>(WEXITSTATUS(status)), u"");
    if (WIFSIGNALED(status))
        return CliFailure(ExitCode::kIo, u"Программа буфера обмена завершилась по сигналу " +
                                             Utf8ToUtf16(std::to_string(WTERMSIG(status))));
    return CliFailure(ExitCode::kIo, u"Программа буфера обмена завершилась, не заняв буфер обмена");
}

}  // namespace

void PutOnClipboard(std::string_view key, std::optional<int> clear_seconds) {
    RequireDisplay();
    const std::string server_path = ServerPath(ServerName());
    Pipe key_pipe, ready_pipe;
    const SpawnSetup setup(key_pipe, ready_pipe);
    std::vector<std::string> words{server_path};
    if (clear_seconds) words.insert(words.end(), {"--clear", std::to_string(*clear_seconds)});
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t server = 0;
    if (const int error =
            ::posix_spawn(&server, server_path.c_str(), setup.actions(), setup.attributes(), argv.data(), environ))
        throw StartFailure(error);
    key_pipe.CloseRead();
    ready_pipe.CloseWrite();
    WriteKey(key_pipe.write_end(), key);
    key_pipe.CloseWrite();
    if (!ServerReady(ready_pipe.read_end())) throw ServerFailure(server);
}

}  // namespace sorvane

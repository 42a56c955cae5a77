// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_runner.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "keystore/remembered_master_field.h"
#include "settings/settings_file.h"
#include "settings/window_settings.h"

extern char** environ;

namespace sorvane::test_support {
namespace {

constexpr int kTimeoutMs = 20000;

// A /proc file of a process that may end while it is read: what could be read, or nothing.
std::string ReadProcessFile(const std::string& path) {
    std::string content;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return content;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) content.append(buffer, static_cast<std::size_t>(got));
    ::close(fd);
    return content;
}

std::vector<std::string> Environment(const std::map<std::string, std::optional<std::string>>& changes) {
    std::map<std::string, std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const auto equals = text.find('=');
        if (equals != std::string::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    for (const auto& [name, value] : changes) {
        if (value)
            variables[name] = *value;
        else
            variables.erase(name);
    }
    std::vector<std::string> result;
    for (const auto& [name, value] : variables) result.push_back(name + "=" + value);
    return result;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
    std::vector<char*> pointers;
    for (std::string& word : words) pointers.push_back(word.data());
    pointers.push_back(nullptr);
    return pointers;
}

int ExitCodeOf(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

// Feeds input and collects the outputs with poll, so that no pipe fills while we wait on another.
// On the terminal, each typed line waits for its prompt (a line typed before it would be discarded).
struct Exchange {
    int in = -1, out = -1, err = -1, terminal = -1;
    std::string input;
    std::vector<std::string> typed;
    std::string* terminal_output = nullptr;
    std::function<void()> at_first_prompt;

    void Run(CliResult& result) {
        std::string shown;
        std::size_t next_line = 0, prompts_answered = 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
        if (input.empty() && in >= 0) CloseIn();
        while (out >= 0 || err >= 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << "the program did not finish in time";
                break;
            }
            std::vector<pollfd> fds;
            for (int fd : {in, out, err, terminal})
                if (fd >= 0) fds.push_back({fd, static_cast<short>(fd == in ? POLLOUT : POLLIN), 0});
            if (::poll(fds.data(), fds.size(), 100) < 0) continue;
            for (const pollfd& p : fds) {
                if (p.revents == 0) continue;
                if (p.fd == in) {
                    const ssize_t written = ::write(in, input.data(), input.size());
                    if (written > 0) input.erase(0, static_cast<std::size_t>(written));
                    if (written <= 0 || input.empty()) CloseIn();
                    continue;
                }
                char block[4096];
                const ssize_t got = ::read(p.fd, block, sizeof block);
                if (got <= 0) {
                    if (p.fd == out) Close(out);
                    if (p.fd == err) Close(err);
                    if (p.fd == terminal) Close(terminal);
                    continue;
                }
                if (p.fd == out) result.out.append(block, static_cast<std::size_t>(got));
                if (p.fd == err) result.err.append(block, static_cast<std::size_t>(got));
                if (p.fd == terminal) shown.append(block, static_cast<std::size_t>(got));
            }
            // A prompt ends with ": "; answer each one once, after echo is off.
            std::size_t prompts = 0;
            for (std::size_t at = shown.find(": "); at != std::string::npos; at = shown.find(": ", at + 2)) ++prompts;
            if (terminal >= 0 && prompts > prompts_answered && next_line < typed.size()) {
                if (prompts_answered == 0 && at_first_prompt) at_first_prompt();
                std::this_thread::sleep_for(std::chrono::milliseconds(50));  // echo is switched off after the prompt
                const std::string line = typed[next_line++] + "\n";
                if (::write(terminal, line.data(), line.size()) < 0) ADD_FAILURE() << "cannot type";
                prompts_answered = prompts;
            }
        }
        CloseIn();
        Close(terminal);
        if (terminal_output) *terminal_output = shown;
    }
    void CloseIn() { Close(in); }
    static void Close(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
};

}  // namespace

CliTest::CliTest() {
    std::filesystem::create_directory(dir_ / "bin");
    for (const char* program : {"sorvane-cli", "sorvane-cli-clipboard", "sorvane-cli-x11-clipboard"})
        std::filesystem::copy_file(std::filesystem::path(SORVANE_CLI_DIR) / program, dir_ / "bin" / program);
}

CliTest::~CliTest() {
    for (pid_t server : RunningServers()) ::kill(server, SIGKILL);
    ServersEnd(2000);
}

CliResult CliTest::Run(const CliRun& run) {
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) std::abort();
    std::vector<std::string> words{Path("bin/sorvane-cli")};
    words.insert(words.end(), run.arguments.begin(), run.arguments.end());
    std::vector<std::string> variables = Environment(run.env);
    const std::vector<char*> argv = Pointers(words), envp = Pointers(variables);
    const std::string folder = dir_.path().string();
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        ::dup2(in[0], 0);
        if (run.output_file) {
            const int file = ::open(run.output_file->c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            ::dup2(file, 1);
        } else {
            ::dup2(out[1], 1);
        }
        ::dup2(err[1], 2);
        if (::chdir(folder.c_str()) != 0) ::_exit(126);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    CliResult result;
    Exchange exchange;
    exchange.in = in[1];
    exchange.out = out[0];
    exchange.err = err[0];
    exchange.input = run.input;
    ::signal(SIGPIPE, SIG_IGN);
    exchange.Run(result);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.exit_code = ExitCodeOf(status);
    return result;
}

CliResult CliTest::RunOnTerminal(std::vector<std::string> arguments, const std::vector<std::string>& typed,
                                 std::string* terminal_output, std::string* limits, std::string input) {
    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) std::abort();
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) std::abort();
    std::vector<std::string> words{Path("bin/sorvane-cli")};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<std::string> variables = Environment({});
    const std::vector<char*> argv = Pointers(words), envp = Pointers(variables);
    const std::string folder = dir_.path().string();
    const pid_t child = ::fork();
    if (child == 0) {
        ::setsid();
        ::ioctl(slave, TIOCSCTTY, 0);  // the pseudo-terminal is /dev/tty; the streams stay pipes
        ::fcntl(slave, F_SETFD, 0);    // kept open, or the terminal reads as hung up before the prompt
        ::dup2(in[0], 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        if (::chdir(folder.c_str()) != 0) ::_exit(126);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(slave);
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    CliResult result;
    Exchange exchange;
    exchange.in = in[1];
    exchange.out = out[0];
    exchange.err = err[0];
    exchange.terminal = master;
    exchange.input = std::move(input);
    exchange.typed = typed;
    exchange.terminal_output = terminal_output;
    if (limits) exchange.at_first_prompt = [&] { *limits = ReadBytes("/proc/" + std::to_string(child) + "/limits"); };
    ::signal(SIGPIPE, SIG_IGN);
    exchange.Run(result);
    int status = 0;
    ::waitpid(child, &status, 0);
    result.exit_code = ExitCodeOf(status);
    return result;
}

std::vector<pid_t> CliTest::RunningServers() const {
    const std::string qt_server = (dir_ / "bin" / "sorvane-cli-clipboard").string();
    const std::string x11_server = (dir_ / "bin" / "sorvane-cli-x11-clipboard").string();
    std::vector<pid_t> found;
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr) return found;
    while (const dirent* entry = ::readdir(proc)) {
        const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
        if (pid <= 0) continue;
        // The command line, not /proc/PID/exe: the server is not dumpable, and only root could read its exe.
        const std::string proc_folder = std::string("/proc/") + entry->d_name;
        const std::string program = ReadProcessFile(proc_folder + "/cmdline").c_str();
        if (program != qt_server && program != x11_server) continue;
        const std::string stat = ReadProcessFile(proc_folder + "/stat");
        const auto state = stat.rfind(") ");
        if (state != std::string::npos && stat.compare(state + 2, 1, "Z") == 0) continue;  // ended, not yet reaped
        found.push_back(pid);
    }
    ::closedir(proc);
    return found;
}

bool CliTest::ServersEnd(int milliseconds) const {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (RunningServers().empty()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return RunningServers().empty();
}

void CliTest::RememberMasterField(std::u16string_view field, bool remember) {
    SettingsFile ini = SettingsFile::Load(U16("bin/sorvane.ini"));
    WindowSettings settings;
    settings.remember = remember;
    settings.password = sorvane::RememberMasterField(field).stored;
    EXPECT_TRUE(WriteWindowSettings(ini, settings).empty());
    ini.Save();
}

}  // namespace sorvane::test_support

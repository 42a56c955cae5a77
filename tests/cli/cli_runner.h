// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace sorvane::test_support {

struct CliResult {
    int exit_code = -1;  // the exit status, or 128 + the signal
    std::string out;
    std::string err;
};

struct CliRun {
    std::vector<std::string> arguments;
    std::string input;                                      // standard input
    std::map<std::string, std::optional<std::string>> env;  // changes: a value, or nullopt to unset
    std::optional<std::string> output_file;                 // standard output into this file, not a pipe
};

// A program folder of its own in a temporary folder, with copies of sorvane-cli and its clipboard
// server, so that the settings file beside them is the test's. Runs them in a session of their own
// without a terminal, in the temporary folder.
class CliTest : public ::testing::Test {
protected:
    CliTest();
    ~CliTest() override;

    CliResult Run(const CliRun& run);
    CliResult Run(std::vector<std::string> arguments, std::string input = "") {
        return Run(CliRun{std::move(arguments), std::move(input), {}, {}});
    }

    // Runs with a terminal (a pseudo-terminal) as the controlling one: waits for each prompt and types
    // its line. terminal_output gets everything the terminal showed. limits, when given, receives
    // /proc/PID/limits as read while the program waits at its first prompt.
    CliResult RunOnTerminal(std::vector<std::string> arguments, const std::vector<std::string>& typed,
                            std::string* terminal_output = nullptr, std::string* limits = nullptr,
                            std::string input = "");

    // The clipboard servers started from this test's program folder that still run.
    std::vector<pid_t> RunningServers() const;
    // Waits up to the time for them all to end; true if they did.
    bool ServersEnd(int milliseconds) const;

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::u16string U16(const std::string& name) const { return dir_.U16(name); }
    std::string ProgramFolder() const { return Path("bin"); }
    // The window's settings file beside the program, remembering this master field.
    void RememberMasterField(std::u16string_view field, bool remember = true);

    TempDir dir_;
};

}  // namespace sorvane::test_support

// SPDX-License-Identifier: GPL-3.0-or-later
// sorvane-cli: the key store from the shell.
#include <csignal>
#include <exception>
#include <string>

#include "cli/arguments.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/help_texts.h"
#include "cli/standard_streams.h"
#include "fileio/io_error.h"
#include "fileio/path_text.h"
#include "folders/file_operations.h"
#include "folders/path_names.h"
#include "hardening/process_hardening.h"

namespace sorvane {
namespace {

void Run(const CliArguments& arguments) {
    if (arguments.help) return WriteStandardOutput(HelpText(arguments.command));
    switch (arguments.command) {
        case Command::kShow:
            return RunShow(arguments);
        case Command::kCopy:
            return RunCopy(arguments);
        case Command::kStore:
            return RunStore(arguments);
        case Command::kGenerate:
            return RunGenerate(arguments);
        case Command::kNone:
            return;
    }
}

// Not found: a file that is not there, or for the file that store writes, a missing folder on its way.
ExitCode CodeOf(const IoError& error, const CliArguments& arguments) {
    const std::filesystem::path& path = error.path();
    if (FileExists(path) || FolderExists(path)) return ExitCode::kIo;
    if (arguments.command != Command::kStore || path != PathFromText(arguments.file)) return ExitCode::kNotFound;
    const std::filesystem::path folder = path.parent_path();
    return folder.empty() || FolderExists(folder) ? ExitCode::kIo : ExitCode::kNotFound;
}

int Fail(ExitCode code, const std::string& message) {
    if (!message.empty()) WriteStandardError("sorvane-cli: " + message + "\n");
    return static_cast<int>(code);
}

}  // namespace
}  // namespace sorvane

int main(int argc, char* argv[]) {
    using namespace sorvane;
    HardenProcessOrWarn("sorvane-cli");
    std::signal(SIGPIPE, SIG_IGN);  // a closed output is an error to report, not a silent death
    CliArguments arguments;
    try {
        arguments = ParseArguments(argc, argv);
        Run(arguments);
        return 0;
    } catch (const CliFailure& failure) {
        return Fail(failure.code(), failure.what());
    } catch (const IoError& error) {
        return Fail(CodeOf(error, arguments), error.what());
    } catch (const std::exception& error) {
        return Fail(ExitCode::kUnexpected, error.what());
    }
}

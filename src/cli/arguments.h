// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "generator/password_generator.h"

namespace sorvane {

enum class Command { kNone, kShow, kCopy, kStore, kGenerate };

// Where the master key comes from. Never from an argument's value or the environment: other users
// can read both.
enum class MasterSource {
    kRemembered,  // the master field that the window remembered in its settings file, if any
    kFile,        // --master-file FILE
    kPrompt,      // --master-prompt: typed on the terminal without echo
    kNone,        // --no-master: keys in plain form
};

struct CliArguments {
    Command command = Command::kNone;
    bool help = false;
    std::u16string file;  // the key file of show, copy and store
    MasterSource master = MasterSource::kRemembered;
    std::u16string master_file;
    bool from_stdin = false;                                  // store --stdin
    std::optional<int> clear_seconds;                         // copy --clear
    int length = 7;                                           // generate --length, as the window's spin box starts
    ClassChoice classes{u"Английские", u"Ничего", u"Цифры"};  // the window's start choice
};

// Reads the command line. Throws CliFailure (kUsage) naming what is wrong.
CliArguments ParseArguments(int argc, char** argv);

}  // namespace sorvane

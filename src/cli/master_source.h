// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/arguments.h"
#include "keystore/master_key.h"

namespace sorvane {

// The master field's text as the window would hold it, chosen by the arguments.
struct MasterField {
    std::u16string text;
    bool names_file = false;  // --master-file: the text must name a master key file
};

// Takes the master field from where the arguments say: the named file, the terminal, the window's
// settings file, or nothing. Throws CliFailure (not found, refused) or IoError.
MasterField ChooseMasterField(const CliArguments& arguments);

// Refuses what the window refuses, an empty master key from a file, and a --master-file that names
// no file (it would count as a typed master key). Throws CliFailure.
void AcceptMasterKey(const ResolvedMasterKey& master, const MasterField& field);

}  // namespace sorvane

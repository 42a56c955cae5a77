// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

enum class MasterKeyMode {
    kNone,          // empty master field: keys are stored in plain form
    kTyped,         // the field's text is the master key
    kFile,          // the field names a master key file; the key is Depassway of its first line
    kEmptyFromFile  // the field names a master key file that decodes to the empty text
};

struct ResolvedMasterKey {
    MasterKeyMode mode = MasterKeyMode::kNone;
    std::u16string key;                  // the master key in modes kTyped and kFile
    std::optional<std::u16string> hint;  // the master field's new hint, set in the file modes
};

// Resolves the master field's text: empty, the name of an existing file (links followed, never a
// folder, relative to the working directory), or any other text. Reads the file in the file modes;
// throws IoError when it cannot.
ResolvedMasterKey ResolveMasterKey(std::u16string_view master_field);

}  // namespace sorvane

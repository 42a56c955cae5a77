// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

// The master field as the settings file remembers it: Passway of its text, the empty text for an
// empty field. A field that names an existing master key file whose path would not come back from
// Passway and Depassway unchanged (characters outside SymbolTable) is not remembered: stored is then
// empty and unstorable names the characters. A typed master key is always remembered.
struct RememberedMasterField {
    std::optional<std::u16string> stored;
    std::vector<std::u16string> unstorable;
};
RememberedMasterField RememberMasterField(std::u16string_view field);

// What the user is told at close when the master field was not remembered.
std::u16string NotRememberedMessage(const std::vector<std::u16string>& unstorable);

// The master field and its hint brought back from the stored value: a value that names an existing
// file (a plain path written by hand) stays as it is, and the hint is that file's first line as
// stored; any other value is decoded with Depassway. Throws IoError when the named file cannot be read.
struct RestoredMasterField {
    std::u16string text;
    std::optional<std::u16string> hint;
};
RestoredMasterField RestoreMasterField(std::u16string_view stored);

// Writes Passway of the master field's text, unresolved, as a master key file at path. Throws IoError.
void SaveMasterKeyFile(const std::filesystem::path& path, std::u16string_view field);

}  // namespace sorvane

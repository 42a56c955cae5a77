// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "keystore/key_chain.h"
#include "keystore/master_key.h"
#include "keystore/storable_key.h"

namespace sorvane {

struct LoadedKey {
    ResolvedMasterKey master;
    std::u16string key;  // empty, and not decoded, when the master key is empty (kEmptyFromFile)
};

// Reads the key stored in a key file under the master field: the key file first, then (in the file
// mode) the master key file. Throws IoError when either cannot be read.
LoadedKey LoadKey(const std::filesystem::path& key_file, std::u16string_view master_field, CodePagePassage passage);

// The form in which keys are kept under a resolved master key.
KeyForm FormUnder(const ResolvedMasterKey& master);

// Storing a key is three steps, so that the caller can show the master key's hint and refuse a key
// before anything is written: ResolveMasterKey, then UnstorableCharacters(key, FormUnder(master)),
// then this. Writes the key plain with no master key, encoded otherwise; the master key must not be
// empty (kEmptyFromFile). Throws IoError; the old content then stays whole.
void StoreKeyUnder(const std::filesystem::path& key_file, std::u16string_view key, const ResolvedMasterKey& master,
                   CodePagePassage passage);

}  // namespace sorvane

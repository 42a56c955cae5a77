#pragma once

#include <string>
#include <string_view>

#include "keystore/key_chain.h"
#include "keystore/master_key.h"

namespace sorvane {

struct LoadedKey {
    ResolvedMasterKey master;
    std::u16string key;  // empty, and not decoded, when the master key is empty (kEmptyFromFile)
};

// Reads the key stored in a key file under the master field: the key file first, then (in the file
// mode) the master key file. Throws IoError when either cannot be read.
LoadedKey LoadKey(std::u16string_view key_file, std::u16string_view master_field, CodePagePassage passage);

// Stores a key into a key file under a master key resolved beforehand (ResolveMasterKey), so that
// the caller can keep what the resolution gave before the write, which may fail: plain with no
// master key, encoded otherwise; an empty master key writes nothing. Throws IoError.
void StoreKey(std::u16string_view key_file, std::u16string_view key, const ResolvedMasterKey& master,
              CodePagePassage passage);

}  // namespace sorvane

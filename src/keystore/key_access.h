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

// Stores a key into a key file under the master field: plain with no master key, encoded otherwise.
// The master key is resolved before the file is touched, so an unreadable master key file leaves it
// as it was; an empty master key writes nothing. Throws IoError.
ResolvedMasterKey StoreKey(std::u16string_view key_file, std::u16string_view key, std::u16string_view master_field,
                           CodePagePassage passage);

}  // namespace sorvane

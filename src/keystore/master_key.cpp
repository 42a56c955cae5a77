// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/master_key.h"

#include "cipher/builtin_chain.h"
#include "fileio/path_text.h"
#include "folders/file_operations.h"
#include "keystore/key_file.h"

namespace sorvane {

ResolvedMasterKey ResolveMasterKey(std::u16string_view master_field) {
    if (master_field.empty()) return {};
    const std::filesystem::path file = PathFromText(master_field);
    if (!FileExists(file)) return {MasterKeyMode::kTyped, std::u16string(master_field), std::nullopt};
    std::u16string key = Depassway(ReadKeyLine(file));
    const MasterKeyMode mode = key.empty() ? MasterKeyMode::kEmptyFromFile : MasterKeyMode::kFile;
    return {mode, key, key};
}

}  // namespace sorvane

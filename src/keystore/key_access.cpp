// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/key_access.h"

#include "keystore/key_file.h"

namespace sorvane {

LoadedKey LoadKey(const std::filesystem::path& key_file, std::u16string_view master_field, CodePagePassage passage) {
    std::u16string line = ReadKeyLine(key_file);
    ResolvedMasterKey master = ResolveMasterKey(master_field);
    switch (master.mode) {
        case MasterKeyMode::kNone:
            return {std::move(master), std::move(line)};
        case MasterKeyMode::kEmptyFromFile:
            return {std::move(master), {}};
        case MasterKeyMode::kTyped:
        case MasterKeyMode::kFile:
            break;
    }
    std::u16string key = DecodeKey(line, master.key, passage);
    return {std::move(master), std::move(key)};
}

KeyForm FormUnder(const ResolvedMasterKey& master) {
    return master.mode == MasterKeyMode::kNone ? KeyForm::kPlain : KeyForm::kEncoded;
}

void StoreKeyUnder(const std::filesystem::path& key_file, std::u16string_view key, const ResolvedMasterKey& master,
                   CodePagePassage passage) {
    switch (master.mode) {
        case MasterKeyMode::kNone:
            WriteKeyLine(key_file, key);
            return;
        case MasterKeyMode::kEmptyFromFile:
            return;  // nothing would be enciphered; callers refuse before
        case MasterKeyMode::kTyped:
        case MasterKeyMode::kFile:
            WriteKeyLine(key_file, EncodeKey(key, master.key, passage));
            return;
    }
}

}  // namespace sorvane

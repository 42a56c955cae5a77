#include "keystore/key_access.h"

#include "keystore/key_file.h"

namespace sorvane {

LoadedKey LoadKey(std::u16string_view key_file, std::u16string_view master_field, CodePagePassage passage) {
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

ResolvedMasterKey StoreKey(std::u16string_view key_file, std::u16string_view key, std::u16string_view master_field,
                           CodePagePassage passage) {
    ResolvedMasterKey master = ResolveMasterKey(master_field);
    switch (master.mode) {
        case MasterKeyMode::kNone:
            WriteKeyLine(key_file, key);
            break;
        case MasterKeyMode::kEmptyFromFile:
            break;
        case MasterKeyMode::kTyped:
        case MasterKeyMode::kFile:
            WriteKeyLine(key_file, EncodeKey(key, master.key, passage));
            break;
    }
    return master;
}

}  // namespace sorvane

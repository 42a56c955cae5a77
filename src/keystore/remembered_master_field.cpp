// SPDX-License-Identifier: GPL-3.0-or-later
#include "keystore/remembered_master_field.h"

#include "cipher/builtin_chain.h"
#include "fileio/path_text.h"
#include "folders/file_operations.h"
#include "keystore/key_file.h"
#include "keystore/storable_key.h"

namespace sorvane {
RememberedMasterField RememberMasterField(std::u16string_view field) {
    if (field.empty()) return {std::u16string(), {}};
    if (FileExists(PathFromText(field))) {
        // Such a path would decode to another text and name no file after the next start.
        std::vector<std::u16string> unstorable = UnstorableCharacters(field, KeyForm::kEncoded);
        if (!unstorable.empty()) return {std::nullopt, std::move(unstorable)};
    }
    return {Passway(field), {}};
}

std::u16string NotRememberedMessage(const std::vector<std::u16string>& unstorable) {
    return u"Путь к файлу мастер-ключа не запомнен: символы " + QuotedCharacters(unstorable) +
           u" не сохраняются в файле настроек. Оставлено прежнее значение";
}

RestoredMasterField RestoreMasterField(std::u16string_view stored) {
    if (stored.empty()) return {};
    const std::filesystem::path file = PathFromText(stored);
    if (FileExists(file)) return {std::u16string(stored), ReadKeyLine(file)};
    return {Depassway(stored), std::nullopt};
}

void SaveMasterKeyFile(const std::filesystem::path& path, std::u16string_view field) {
    WriteKeyLine(path, Passway(field));
}

}  // namespace sorvane

#include "keystore/remembered_master_field.h"

#include "cipher/builtin_chain.h"
#include "folders/file_operations.h"
#include "keystore/key_file.h"
#include "keystore/storable_key.h"

namespace sorvane {
RememberedMasterField RememberMasterField(std::u16string_view field) {
    if (field.empty()) return {std::u16string(), {}};
    if (FileExists(field)) {
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
    if (FileExists(stored)) return {std::u16string(stored), ReadKeyLine(stored)};
    return {Depassway(stored), std::nullopt};
}

void SaveMasterKeyFile(std::u16string_view path, std::u16string_view field) { WriteKeyLine(path, Passway(field)); }

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/master_source.h"

#include "cli/cli_failure.h"
#include "cli/hidden_input.h"
#include "cli/standard_streams.h"
#include "folders/file_operations.h"
#include "folders/program_directory.h"
#include "folders/settings_location.h"
#include "keystore/remembered_master_field.h"
#include "settings/settings_file.h"
#include "settings/window_settings.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

const std::u16string kEmptyMasterKey = u"Мастер-ключ пуст";

CliFailure MasterFileMissing(std::u16string_view path) {
    return CliFailure(ExitCode::kNotFound, u"Файл мастер-ключа \"" + std::u16string(path) + u"\" не найден");
}

std::u16string FieldFromWindowSettings() {
    const SettingsFile ini = SettingsFile::Load(SettingsFilePath(ProgramDirectory(), UserConfigHome()));
    if (ini.damaged()) WriteStandardError(Utf16ToUtf8(DamagedSettingsMessage(ini.path())) + "\n");
    const WindowSettings stored = ReadWindowSettings(ini, {});
    if (!stored.remember || !stored.password) return {};
    return RestoreMasterField(*stored.password).text;
}

std::u16string TypedMasterField() {
    const std::string typed = ReadHiddenLine(u"Мастер-ключ: ");
    if (!IsValidUtf8(typed)) throw CliFailure(ExitCode::kRefused, u"Мастер-ключ не в кодировке UTF-8");
    // An empty line would mean no master key at all: keys would go plain although one was asked for.
    if (typed.empty()) throw CliFailure(ExitCode::kRefused, kEmptyMasterKey);
    return Utf8ToUtf16(typed);
}

}  // namespace

MasterField ChooseMasterField(const CliArguments& arguments) {
    switch (arguments.master) {
        case MasterSource::kRemembered:
            return {FieldFromWindowSettings()};
        case MasterSource::kFile:
            if (!FileExists(arguments.master_file)) throw MasterFileMissing(arguments.master_file);
            return {arguments.master_file, true};
        case MasterSource::kPrompt:
            return {TypedMasterField()};
        case MasterSource::kNone:
            break;
    }
    return {};
}

void AcceptMasterKey(const ResolvedMasterKey& master, const MasterField& field) {
    if (field.names_file && master.mode == MasterKeyMode::kTyped) throw MasterFileMissing(field.text);  // gone since
    // Nothing would be enciphered under an empty master key.
    if (master.mode == MasterKeyMode::kEmptyFromFile) throw CliFailure(ExitCode::kRefused, kEmptyMasterKey);
}

}  // namespace sorvane

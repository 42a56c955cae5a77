// SPDX-License-Identifier: GPL-3.0-or-later
// show, copy and store: the window's copy and write commands without the window.
#include "cli/cli_failure.h"
#include "cli/clipboard_launch.h"
#include "cli/commands.h"
#include "cli/hidden_input.h"
#include "cli/master_source.h"
#include "cli/standard_streams.h"
#include "keystore/key_access.h"
#include "text/unicode.h"

namespace sorvane {
namespace {

std::u16string LoadedKeyOf(const CliArguments& arguments) {
    const MasterField field = ChooseMasterField(arguments);
    LoadedKey loaded = LoadKey(arguments.file, field.text, CodePagePassage::AfterEveryStep);
    AcceptMasterKey(loaded.master, field);
    return std::move(loaded.key);
}

std::u16string KeyText(const std::string& bytes) {
    if (!IsValidUtf8(bytes)) throw CliFailure(ExitCode::kRefused, u"Пароль не записан: ввод не в кодировке UTF-8");
    return Utf8ToUtf16(bytes);
}

std::u16string KeyToStore(const CliArguments& arguments) {
    if (arguments.from_stdin) return KeyText(std::string(WithoutFinalLineBreak(ReadStandardInput())));
    const std::string key = ReadHiddenLine(u"Пароль: ");
    if (ReadHiddenLine(u"Подтверждение пароля: ") != key)
        throw CliFailure(ExitCode::kRefused, u"Пароль введен не верно - введите и подтвердите пароль");
    return KeyText(key);
}

}  // namespace

void RunShow(const CliArguments& arguments) { WriteStandardOutput(Utf16ToUtf8(LoadedKeyOf(arguments)) + "\n"); }

void RunCopy(const CliArguments& arguments) {
    PutOnClipboard(Utf16ToUtf8(LoadedKeyOf(arguments)), arguments.clear_seconds);
}

void RunStore(const CliArguments& arguments) {
    // The master key first: a refusal there comes before the key is typed twice.
    const MasterField field = ChooseMasterField(arguments);
    const ResolvedMasterKey master = ResolveMasterKey(field.text);
    AcceptMasterKey(master, field);
    const std::u16string key = KeyToStore(arguments);
    const KeyForm form = FormUnder(master);
    const std::vector<std::u16string> unstorable = UnstorableCharacters(key, form);
    if (!unstorable.empty()) throw CliFailure(ExitCode::kRefused, UnstorableKeyMessage(unstorable, form));
    StoreKeyUnder(arguments.file, key, master, CodePagePassage::AfterStepsOneToSix);
}

}  // namespace sorvane

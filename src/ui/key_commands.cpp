// SPDX-License-Identifier: GPL-3.0-or-later
// The key commands: copy a key to the clipboard, write it into the selected file or a new one
// (or create a folder), choose a master key file, save the master key to a file.
#include <QComboBox>
#include <QLineEdit>

#include "folders/file_operations.h"
#include "folders/path_names.h"
#include "keystore/key_access.h"
#include "keystore/remembered_master_field.h"
#include "ui/clipboard.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/panel/directory_list_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/qt_text.h"

namespace sorvane {
namespace {

const QString kKeysDiffer = QStringLiteral("Пароль введен не верно - введите и подтвердите пароль");
const QString kEmptyMasterKey = QStringLiteral("Мастер-ключ пуст");
const QString kCopied = QStringLiteral(" и скопирован в буфер обмена");

}  // namespace

bool TForm1::AcceptMasterKey(const ResolvedMasterKey& master) {
    if (master.hint) Edit4->setToolTip(ToQString(*master.hint));
    if (master.mode != MasterKeyMode::kEmptyFromFile) return true;
    // Nothing would be enciphered under an empty master key: refuse rather than store a plain key.
    dialogs_.Information(this, kEmptyMasterKey);
    return false;
}

std::optional<std::filesystem::path> TForm1::SelectedFile() {
    std::filesystem::path selected = FileListBox1->FileName();
    if (!selected.empty()) return selected;
    dialogs_.Information(this, QStringLiteral("Файл не выбран"));
    return std::nullopt;
}

void TForm1::SetKeyBoxes(const QString& text) {
    Edit1->setText(text);
    Edit2->setText(text);
}

bool TForm1::KeysConfirmed() {
    if (Edit1->text() == Edit2->text()) return true;
    dialogs_.Information(this, kKeysDiffer);
    return false;
}

void TForm1::Button1Click() {
    const auto selected = SelectedFile();
    if (!selected) return;
    const LoadedKey loaded = LoadKey(*selected, ToU16(Edit4->text()), CodePagePassage::AfterEveryStep);
    if (!AcceptMasterKey(loaded.master)) return;
    SetKeyBoxes(ToQString(loaded.key));
    SetClipboardSecret(Edit1->text());
}

bool TForm1::StoreKeyBox(const std::filesystem::path& file, CodePagePassage passage) {
    const std::u16string key = ToU16(Edit1->text());
    const ResolvedMasterKey master = ResolveMasterKey(ToU16(Edit4->text()));
    if (!AcceptMasterKey(master)) return false;
    const KeyForm form = FormUnder(master);
    const std::vector<std::u16string> unstorable = UnstorableCharacters(key, form);
    if (!unstorable.empty()) {
        dialogs_.Information(this, ToQString(UnstorableKeyMessage(unstorable, form)));
        return false;
    }
    StoreKeyUnder(file, key, master, passage);
    return true;
}

void TForm1::Button2Click() {
    const auto selected = SelectedFile();
    if (!selected) return;
    if (!KeysConfirmed()) return;
    if (!StoreKeyBox(*selected, CodePagePassage::AfterStepsOneToSix)) return;
    SetClipboardSecret(Edit1->text());
    dialogs_.Information(this, QStringLiteral("Пароль записан в файл ") + ShownPath(selected->filename()) + kCopied);
}

void TForm1::Button6Click() {
    const std::filesystem::path target = JoinPath(DirectoryListBox1->Directory(), TypedPath(Edit3->text()));
    switch (ComboBox4->currentIndex()) {
        case 0: {
            if (Edit3->text().isEmpty()) {
                dialogs_.Information(this, QStringLiteral("Имя файла не задано"));
                return;
            }
            if (!KeysConfirmed()) return;
            if (!StoreKeyBox(target, CodePagePassage::None)) return;
            SetClipboardSecret(Edit1->text());
            dialogs_.Information(this, QStringLiteral("Пароль записан в новый файл ") + Edit3->text() + kCopied);
            FileListBox1->Update();
            return;
        }
        case 1:
            if (Edit3->text().isEmpty()) {
                dialogs_.Information(this, QStringLiteral("Имя директории не задано"));
                return;
            }
            static_cast<void>(CreateFolder(target));  // an existing folder or a bad name: nothing happens, as designed
            DirectoryListBox1->Update();
            return;
        default:
            return;  // no mode chosen
    }
}

void TForm1::Button9Click() {
    if (const auto chosen = dialogs_.OpenFileName(this)) Edit4->setText(*chosen);
}

void TForm1::Button10Click() {
    if (const auto chosen = dialogs_.SaveFileName(this)) SaveMasterKeyFile(TypedPath(*chosen), ToU16(Edit4->text()));
}

}  // namespace sorvane

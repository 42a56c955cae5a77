// The key commands: copy a key to the clipboard, write it into the selected file or a new one
// (or create a folder), choose a master key file, save the master key to a file.
#include <QComboBox>
#include <QLineEdit>

#include "cipher/builtin_chain.h"
#include "folders/file_operations.h"
#include "folders/path_names.h"
#include "keystore/key_access.h"
#include "keystore/key_file.h"
#include "keystore/master_key.h"
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

std::optional<std::u16string> TForm1::SelectedFile() {
    std::u16string selected = FileListBox1->FileName();
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

void TForm1::Button2Click() {
    const auto selected = SelectedFile();
    if (!selected) return;
    if (!KeysConfirmed()) return;
    // The hint is kept before the write, which may fail.
    const ResolvedMasterKey master = ResolveMasterKey(ToU16(Edit4->text()));
    if (!AcceptMasterKey(master)) return;
    StoreKey(*selected, ToU16(Edit1->text()), master, CodePagePassage::AfterStepsOneToSix);
    SetClipboardSecret(Edit1->text());
    dialogs_.Information(this, QStringLiteral("Пароль записан в файл ") + ToQString(ExtractFileName(*selected)) + kCopied);
}

void TForm1::Button6Click() {
    const std::u16string target = JoinPath(DirectoryListBox1->Directory(), ToU16(Edit3->text()));
    switch (ComboBox4->currentIndex()) {
        case 0: {
            if (Edit3->text().isEmpty()) {
                dialogs_.Information(this, QStringLiteral("Имя файла не задано"));
                return;
            }
            if (!KeysConfirmed()) return;
            const ResolvedMasterKey master = ResolveMasterKey(ToU16(Edit4->text()));
            if (!AcceptMasterKey(master)) return;
            StoreKey(target, ToU16(Edit1->text()), master, CodePagePassage::None);
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
            CreateFolder(target);  // an existing folder or a bad name: nothing happens, as designed
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
    if (const auto chosen = dialogs_.SaveFileName(this)) WriteKeyLine(ToU16(*chosen), Passway(ToU16(Edit4->text())));
}

}  // namespace sorvane

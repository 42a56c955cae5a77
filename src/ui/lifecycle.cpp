// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up and shutdown: the order matters, since later steps read what earlier ones set.
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "folders/settings_location.h"
#include "folders/shipped_files.h"
#include "folders/stored_folder.h"
#include "keystore/remembered_master_field.h"
#include "settings/settings_file.h"
#include "settings/window_settings.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/mouse_up_check_box.h"
#include "ui/panel/directory_list_box.h"
#include "ui/qt_text.h"

namespace sorvane {
namespace {

QString FontPath(const std::u16string& program_directory, const char16_t* file) {
    return ToQString(ShippedFilePath(program_directory, file));
}

}  // namespace

// Before any control exists, so that no text is ever laid out in a stand-in face (a remembered
// master field under a checked CheckBox1 would show the master key) and none is laid out twice.
void TForm1::RegisterShippedFonts() {
    pass_font_id_ = RegisterFontFile(FontPath(ProgramDir(), u"pass.ttf"));
    tahoma_font_id_ = RegisterFontFile(FontPath(ProgramDir(), u"tahoma.ttf"));
}

void TForm1::FormCreate() {
    ReadParams();
    ComboBox5Change();
    SetFace(Edit4, CheckBox1->isChecked() ? kMaskFace : kPlainFace);
    ComboBox1->setCurrentIndex(1);
    ComboBox2->setCurrentIndex(0);
    ComboBox3->setCurrentIndex(1);
    ComboBox4->setCurrentIndex(0);
    RadioButton1Click();  // the typed keys are masked at every start
}

void TForm1::FormClose() {
    clipboard_guard_.ClearIfStillOurs();
    ReleaseFontFile(pass_font_id_);
    pass_font_id_ = -1;
    ReleaseFontFile(tahoma_font_id_);
    tahoma_font_id_ = -1;
    CreateSettingsFolder(SettingsPath(), ProgramDir());
    WriteParams();
}

void TForm1::ReadParams() {
    const SettingsFile ini = SettingsFile::Load(SettingsPath());
    if (ini.damaged()) dialogs_.Information(this, ToQString(DamagedSettingsMessage(ini.path())));
    const WindowSettings stored = ReadWindowSettings(ini, CurrentSettings());
    // First, so that a stored folder that has gone does not lose it.
    clipboard_guard_.SetDelay(stored.clear_clipboard);
    SetLeft(stored.left);
    SetTop(stored.top);
    SetOuterWidth(stored.width);
    SetOuterHeight(stored.height);
    {
        // Only the text: FormCreate applies it afterwards.
        const QSignalBlocker quiet(ComboBox5);
        ComboBox5->setEditText(ToQString(stored.window_state));
    }
    DirectoryListBox1->SetDirectoryOrFallback(FolderFromStoredText(stored.dir));
    CheckBox1->setChecked(stored.hide_pass1);
    CheckBox2->setChecked(stored.remember);
    if (!CheckBox2->isChecked()) return;
    const RestoredMasterField field = RestoreMasterField(stored.password.value_or(std::u16string()));
    Edit4->setText(ToQString(field.text));
    if (field.hint) Edit4->setToolTip(ToQString(*field.hint));
}

WindowSettings TForm1::CurrentSettings() const {
    WindowSettings current;
    current.left = x();
    current.top = y();
    current.width = OuterWidth();
    current.height = OuterHeight();
    current.window_state = ToU16(ComboBox5->currentText());
    current.dir = StoredFolderText(DirectoryListBox1->Directory());
    current.hide_pass1 = CheckBox1->isChecked();
    current.remember = CheckBox2->isChecked();
    current.password = ToU16(Edit4->text());
    return current;
}

void TForm1::WriteParams() {
    SettingsFile ini = SettingsFile::Load(SettingsPath());
    WindowSettings current = CurrentSettings();
    current.password.reset();
    if (CheckBox2->isChecked()) {
        RememberedMasterField field = RememberMasterField(ToU16(Edit4->text()));
        if (!field.unstorable.empty()) dialogs_.Information(this, ToQString(NotRememberedMessage(field.unstorable)));
        current.password = std::move(field.stored);  // nothing: the earlier stored value stays
    }
    for (const std::u16string& key : WriteWindowSettings(ini, current))
        dialogs_.Information(this, ToQString(SkippedSettingMessage(key)));
    ini.Save();
}

}  // namespace sorvane

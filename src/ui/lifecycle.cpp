// Start-up and shutdown: the order matters, since later steps read what earlier ones set.
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "cipher/builtin_chain.h"
#include "folders/file_operations.h"
#include "folders/settings_location.h"
#include "folders/shipped_files.h"
#include "keystore/key_file.h"
#include "settings/settings_file.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/mouse_up_check_box.h"
#include "ui/panel/directory_list_box.h"
#include "ui/qt_text.h"

namespace sorvane {
namespace {

constexpr std::u16string_view kSection = u"FORM1";

QString FontPath(const std::u16string& program_directory, const char16_t* file) {
    return ToQString(ShippedFilePath(program_directory, file));
}

}  // namespace

void TForm1::FormCreate() {
    ReadParams();
    ComboBox5Change();
    SetFace(Edit4, CheckBox1->isChecked() ? kMaskFace : kPlainFace);
    ComboBox1->setCurrentIndex(1);
    ComboBox2->setCurrentIndex(0);
    ComboBox3->setCurrentIndex(1);
    ComboBox4->setCurrentIndex(0);
    pass_font_id_ = RegisterFontFile(FontPath(ProgramDir(), u"pass.ttf"));
    tahoma_font_id_ = RegisterFontFile(FontPath(ProgramDir(), u"tahoma.ttf"));
    RadioButton1Click();  // the typed keys are masked at every start
}

void TForm1::FormClose() {
    ReleaseFontFile(pass_font_id_);
    pass_font_id_ = -1;
    ReleaseFontFile(tahoma_font_id_);
    tahoma_font_id_ = -1;
    CreateSettingsFolder(SettingsPath(), ProgramDir());
    WriteParams();
}

void TForm1::ReadParams() {
    const SettingsFile ini(SettingsPath());
    move(ini.ReadInteger(kSection, u"left", x()), y());
    move(x(), ini.ReadInteger(kSection, u"top", y()));
    SetOuterWidth(ini.ReadInteger(kSection, u"width", OuterWidth()));
    SetOuterHeight(ini.ReadInteger(kSection, u"height", OuterHeight()));
    {
        // Only the text: FormCreate applies it afterwards.
        const QSignalBlocker quiet(ComboBox5);
        ComboBox5->setEditText(ToQString(ini.ReadString(kSection, u"WindowState", ToU16(ComboBox5->currentText()))));
    }
    DirectoryListBox1->SetDirectory(ini.ReadString(kSection, u"Dir", DirectoryListBox1->Directory()));
    CheckBox1->setChecked(ini.ReadBool(kSection, u"HidePass1", CheckBox1->isChecked()));
    CheckBox2->setChecked(ini.ReadBool(kSection, u"Remember", CheckBox2->isChecked()));
    if (!CheckBox2->isChecked()) return;
    const std::u16string stored = ini.ReadString(kSection, u"Password", ToU16(Edit4->text()));
    Edit4->setText(ToQString(stored));
    if (stored.empty()) return;
    if (FileExists(stored)) {
        // A plain path written by hand: the field keeps it, the hint shows the file's line as stored.
        Edit4->setToolTip(ToQString(ReadKeyLine(stored)));
    } else {
        Edit4->setText(ToQString(Depassway(stored)));
    }
}

void TForm1::WriteParams() {
    SettingsFile ini(SettingsPath());
    ini.WriteInteger(kSection, u"left", x());
    ini.WriteInteger(kSection, u"top", y());
    ini.WriteInteger(kSection, u"width", OuterWidth());
    ini.WriteInteger(kSection, u"height", OuterHeight());
    ini.WriteString(kSection, u"WindowState", ToU16(ComboBox5->currentText()));
    ini.WriteString(kSection, u"Dir", DirectoryListBox1->Directory());
    ini.WriteBool(kSection, u"HidePass1", CheckBox1->isChecked());
    ini.WriteBool(kSection, u"Remember", CheckBox2->isChecked());
    if (CheckBox2->isChecked()) {
        const std::u16string field = ToU16(Edit4->text());
        ini.WriteString(kSection, u"Password", field.empty() ? std::u16string() : Passway(field));
    }
}

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
// The view controls: masking fonts, the two window layouts and the list-width trade.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "fileio/path_text.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/mouse_up_check_box.h"
#include "ui/panel/directory_list_box.h"
#include "ui/panel/drive_combo_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/panel/folder_label.h"

namespace sorvane {
namespace {

struct Layout {
    int outer_height, outer_width;
    QRect drive, button3, label3, directory, files;  // left, top, width, height
};

const Layout kCollapsed{
    490, 260, {1, 298, 120, 19}, {119, 298, 130, 19}, {2, 316, 130, 13}, {2, 330, 120, 60}, {128, 330, 120, 60}};
const Layout kExpanded{
    490, 512, {255, 2, 120, 19}, {374, 2, 130, 19}, {255, 20, 130, 13}, {255, 34, 247, 174}, {255, 214, 247, 243}};

}  // namespace

void TForm1::RadioButton1Click() {
    SetFace(Edit1, kMaskFace);
    SetFace(Edit2, kMaskFace);
}

void TForm1::RadioButton2Click() {
    SetFace(Edit1, kPlainFace);
    SetFace(Edit2, kPlainFace);
}

void TForm1::CheckBox1MouseUp() { SetFace(Edit4, CheckBox1->isChecked() ? kMaskFace : kPlainFace); }

void TForm1::ComboBox5Change() {
    const auto apply = [this](const Layout& layout) {
        SetOuterHeight(layout.outer_height);
        SetOuterWidth(layout.outer_width);
        DriveComboBox1->setGeometry(layout.drive);
        Button3->setGeometry(layout.button3);
        Label3->setGeometry(layout.label3);
        DirectoryListBox1->setGeometry(layout.directory);
        FileListBox1->setGeometry(layout.files);
        Label3->ShowPath(DisplayText(DirectoryListBox1->Directory()), DirectoryListBox1->width());
    };
    if (ComboBox5->currentText() == QStringLiteral("Сжать окно")) apply(kCollapsed);
    if (ComboBox5->currentText() == QStringLiteral("Развернуть окно")) apply(kExpanded);
}

void TForm1::Button11Click() {
    const QRect folders = DirectoryListBox1->geometry();
    if (folders.width() == 120 || folders.width() == 20) {
        DirectoryListBox1->setGeometry(2, folders.top(), 220, folders.height());
        FileListBox1->resize(20, FileListBox1->height());
    } else if (folders.height() == 60) {
        DirectoryListBox1->resize(20, folders.height());
        FileListBox1->setGeometry(20, FileListBox1->y(), 230, FileListBox1->height());
    }
}

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
// The folder panel's commands: go to the program directory, copy a file's or the folder's name.
#include <QLineEdit>

#include "folders/path_names.h"
#include "ui/clipboard.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/panel/directory_list_box.h"
#include "ui/qt_text.h"

namespace sorvane {
void TForm1::Button3Click() { DirectoryListBox1->SetDirectory(ProgramDir()); }

void TForm1::Button5Click() {
    const auto selected = SelectedFile();
    if (!selected) return;
    SetKeyBoxes(ToQString(ExtractOnlyFileName(DisplayText(*selected))));
    SetClipboardText(Edit1->text());
}

void TForm1::Label3Click() {
    SetKeyBoxes(ToQString(ThisDir(DisplayText(DirectoryListBox1->Directory()))));
    SetClipboardText(Edit1->text());
}

}  // namespace sorvane

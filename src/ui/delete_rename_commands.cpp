// Delete and rename the selected file or the open folder, by the mode list.
#include <QComboBox>
#include <QLineEdit>

#include <stdexcept>

#include "folders/file_operations.h"
#include "folders/path_names.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/panel/directory_list_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/qt_text.h"

namespace sorvane {

void TForm1::Button7Click() {
    switch (ComboBox4->currentIndex()) {
        case 0: {
            const auto selected = SelectedFile();
            if (!selected) return;
            DeleteFile(*selected);  // what could not be deleted shows again in the list
            FileListBox1->Update();
            return;
        }
        case 1: {
            const std::filesystem::path folder = DirectoryListBox1->Directory();
            if (IsRootFolder(folder)) {
                dialogs_.Information(this, QStringLiteral("Нельзя удалить корневую директорию"));
                return;
            }
            // Step out first: a folder cannot go while it is the working directory.
            DirectoryListBox1->SetDirectory(folder.parent_path());
            RemoveAll(folder);
            DirectoryListBox1->Update();
            return;
        }
        default:
            return;
    }
}

void TForm1::Button8Click() {
    switch (ComboBox4->currentIndex()) {
        case 0: {
            const std::filesystem::path target = JoinPath(DirectoryListBox1->Directory(), TypedPath(Edit3->text()));
            if (MoveFileNoReplace(FileListBox1->FileName(), target))
                throw std::runtime_error("Невозможно переименовать файл! (возможно файл не выбран)");
            FileListBox1->Update();
            return;
        }
        case 1: {
            const std::filesystem::path folder = DirectoryListBox1->Directory();
            if (IsRootFolder(folder)) {
                dialogs_.Information(this, QStringLiteral("Нельзя переименовать корневую директорию"));
                return;
            }
            const std::filesystem::path parent = folder.parent_path();
            DirectoryListBox1->SetDirectory(parent);
            const std::filesystem::path target = JoinPath(parent, TypedPath(Edit3->text()));
            if (const std::error_code error = RenameDir(folder, target)) {
                dialogs_.Error(this, QStringLiteral("Невозможно переименовать директорию ") + ShownPath(folder) +
                                         QStringLiteral(" в ") + ShownPath(target) + QStringLiteral(": ") +
                                         QString::fromStdString(error.message()));
            }
            DirectoryListBox1->Update();
            return;
        }
        default:
            return;
    }
}

}  // namespace sorvane

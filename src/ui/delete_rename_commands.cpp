// SPDX-License-Identifier: GPL-3.0-or-later
// Delete and rename the selected file or the open folder, by the mode list.
#include <QComboBox>
#include <QLineEdit>

#include <optional>
#include <stdexcept>

#include "folders/file_operations.h"
#include "folders/path_names.h"
#include "folders/protected_folders.h"
#include "ui/dialogs.h"
#include "ui/main_window.h"
#include "ui/panel/directory_list_box.h"
#include "ui/panel/drive_combo_box.h"
#include "ui/panel/file_list_box.h"
#include "ui/qt_text.h"

namespace sorvane {
namespace {

// The refusal for a folder that must stay, or nothing when it may go.
std::optional<QString> Refusal(FolderProtection protection, bool deleting) {
    switch (protection) {
        case FolderProtection::kNone:
            return std::nullopt;
        case FolderProtection::kRoot:
            return deleting ? QStringLiteral("Нельзя удалить корневую директорию")
                            : QStringLiteral("Нельзя переименовать корневую директорию");
        case FolderProtection::kHome:
            return deleting ? QStringLiteral("Нельзя удалить домашнюю директорию")
                            : QStringLiteral("Нельзя переименовать домашнюю директорию");
        case FolderProtection::kMountPoint:
            return deleting ? QStringLiteral("Нельзя удалить точку монтирования")
                            : QStringLiteral("Нельзя переименовать точку монтирования");
    }
    return std::nullopt;
}

}  // namespace

bool TForm1::FolderMayGo(const std::filesystem::path& folder, bool deleting) {
    const auto refusal = Refusal(ProtectionOf(folder, DriveComboBox1->Roots()), deleting);
    if (refusal) dialogs_.Information(this, *refusal);
    return !refusal;
}

void TForm1::Button7Click() {
    switch (ComboBox4->currentIndex()) {
        case 0: {
            const auto selected = SelectedFile();
            if (!selected) return;
            static_cast<void>(DeleteFile(*selected));  // what could not be deleted shows again in the list
            FileListBox1->Update();
            return;
        }
        case 1: {
            const std::filesystem::path folder = DirectoryListBox1->Directory();
            if (!FolderMayGo(folder, true)) return;
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
            if (!FolderMayGo(folder, false)) return;
            const std::filesystem::path parent = folder.parent_path();
            DirectoryListBox1->SetDirectory(parent);
            const std::filesystem::path target = JoinPath(parent, TypedPath(Edit3->text()));
            const std::error_code error = RenameDir(folder, target);
            DirectoryListBox1->Update();  // the parent is open now, renamed or not
            if (error) {
                throw std::runtime_error((QStringLiteral("Невозможно переименовать директорию ") + ShownPath(folder) +
                                          QStringLiteral(" в ") + ShownPath(target) + QStringLiteral(": ") +
                                          QString::fromStdString(error.message()))
                                             .toStdString());
            }
            return;
        }
        default:
            return;
    }
}

}  // namespace sorvane

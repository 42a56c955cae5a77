// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel/directory_list_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

#include "fileio/io_error.h"
#include "fileio/path_text.h"
#include "folders/folder_listing.h"
#include "folders/home_directory.h"
#include "folders/path_names.h"
#include "folders/working_directory.h"
#include "ui/panel/file_list_box.h"
#include "ui/panel/folder_label.h"
#include "ui/qt_text.h"

namespace sorvane {
namespace {

// The root and every folder down to `folder`, each with its own full path; a root shows whole.
std::vector<FolderLine> Ancestors(const std::filesystem::path& folder) {
    std::vector<FolderLine> lines;
    std::filesystem::path path = folder;
    for (;;) {
        const std::filesystem::path name = path.has_filename() ? path.filename() : path;
        lines.push_back({path, ToQString(DisplayText(name)), 0, true});
        std::filesystem::path up = path.parent_path();
        if (up.empty() || up == path) break;
        path = std::move(up);
    }
    std::reverse(lines.begin(), lines.end());
    for (std::size_t i = 0; i < lines.size(); ++i) lines[i].depth = static_cast<int>(i);
    return lines;
}

}  // namespace

void FolderEntriesModel::SetLines(std::vector<FolderLine> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int FolderEntriesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant FolderEntriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const FolderLine& line = LineAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return QString(line.depth * 2, QLatin1Char(' ')) + line.name;
        case Qt::DecorationRole:
            return QApplication::style()->standardIcon(line.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
        case Qt::ToolTipRole:
            return ToQString(DisplayText(line.path));
        default:
            return {};
    }
}

DirectoryListBox::DirectoryListBox(FileListBox& file_list, FolderLabel& label, QWidget* parent)
    : QListView(parent), file_list_(file_list), label_(label) {
    setModel(&model_);
    setUniformItemSizes(true);
    setIconSize({13, 13});
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(this, &QListView::doubleClicked, this, &DirectoryListBox::RequestEnter);
    // Both lists start in the working directory, or where the fallbacks lead when it cannot be read.
    SetDirectoryOrFallback(std::filesystem::path("."));
    if (directory_.empty()) {
        // Not even the root can be read: the panel stands there, empty, and the window still opens.
        directory_ = std::filesystem::path("/");
        label_.ShowPath(DisplayText(directory_), width());
    }
}

void DirectoryListBox::SetDirectory(const std::filesystem::path& folder) {
    if (folder.empty() || SameFolder(folder, directory_)) return;
    // Read it before entering, so that a folder that cannot be listed is refused whole.
    std::vector<FolderEntry> subfolders = ListSubfolders(folder);
    const std::filesystem::path entered = EnterFolder(folder);
    Rebuild(entered, std::move(subfolders));
}

void DirectoryListBox::SetDirectoryOrFallback(const std::filesystem::path& folder) {
    if (folder.empty()) return;  // nothing to change
    const std::filesystem::path working = directory_.empty() ? std::filesystem::path(".") : directory_;
    for (const std::filesystem::path& candidate :
         {folder, working, std::filesystem::path(HomeDirectory()), std::filesystem::path("/")}) {
        if (candidate.empty()) continue;  // no home folder known
        try {
            SetDirectory(candidate);
            return;
        } catch (const IoError&) {
        }
    }
}

void DirectoryListBox::Update() { Rebuild(directory_, ListSubfolders(directory_)); }

void DirectoryListBox::Rebuild(const std::filesystem::path& folder, std::vector<FolderEntry> subfolders) {
    std::vector<FolderLine> lines = Ancestors(folder);
    const int depth = static_cast<int>(lines.size());
    const int current_row = depth - 1;
    for (FolderEntry& subfolder : subfolders) {
        lines.push_back({folder / subfolder.name, ToQString(subfolder.shown), depth, false});
    }
    model_.SetLines(std::move(lines));
    setCurrentIndex(model_.index(current_row));
    const bool moved = folder != directory_;
    directory_ = folder;
    file_list_.PointAt(directory_);
    label_.ShowPath(DisplayText(directory_), width());
    if (moved) emit directoryChanged(directory_);
}

void DirectoryListBox::RequestEnter(const QModelIndex& index) {
    if (index.isValid()) emit enterRequested(model_.LineAt(index.row()).path);
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        RequestEnter(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace sorvane

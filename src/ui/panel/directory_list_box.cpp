#include "ui/panel/directory_list_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>

#include "fileio/io_error.h"
#include "folders/folder_listing.h"
#include "folders/home_directory.h"
#include "folders/path_names.h"
#include "folders/working_directory.h"
#include "text/case_folding.h"
#include "ui/panel/file_list_box.h"
#include "ui/panel/folder_label.h"
#include "ui/qt_text.h"

namespace sorvane {
namespace {

// The root and every folder down to `folder`, each with its own full path.
std::vector<FolderEntry> Ancestors(const std::u16string& folder) {
    std::vector<FolderEntry> entries;
    std::u16string path = folder;
    for (;;) {
        entries.push_back({path, ToQString(ThisDir(path)), 0, true});
        const std::u16string up = UpDir(path);
        if (up.empty() || up == path) break;
        path = up;
    }
    std::reverse(entries.begin(), entries.end());
    for (std::size_t i = 0; i < entries.size(); ++i) entries[i].depth = static_cast<int>(i);
    return entries;
}

bool SameFolder(std::u16string_view a, std::u16string_view b) {
    // Windows file names ignore letter case; POSIX ones do not.
    return kNativePathStyle == PathStyle::kWindows ? EqualsIgnoringCase(a, b) : a == b;
}

}  // namespace

void FolderEntriesModel::SetEntries(std::vector<FolderEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int FolderEntriesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant FolderEntriesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const FolderEntry& entry = EntryAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return QString(entry.depth * 2, QLatin1Char(' ')) + entry.name;
        case Qt::DecorationRole:
            return QApplication::style()->standardIcon(entry.open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
        case Qt::ToolTipRole:
            return ToQString(entry.path);
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
    SetDirectoryOrFallback(u".");
    if (directory_.empty()) {
        // Not even the root can be read: the panel stands there, empty, and the window still opens.
        directory_ = std::u16string(1, PathSeparator());
        label_.ShowPath(directory_, width());
    }
}

void DirectoryListBox::SetDirectory(std::u16string_view folder) {
    if (folder.empty() || SameFolder(folder, directory_)) return;
    // Read it before entering, so that a folder that cannot be listed is refused whole.
    std::vector<std::u16string> subfolders = ListSubfolders(folder);
    const std::u16string entered = EnterFolder(folder);
    Rebuild(entered, std::move(subfolders));
}

void DirectoryListBox::SetDirectoryOrFallback(std::u16string_view folder) {
    if (folder.empty()) return;  // nothing to change
    const std::u16string working = directory_.empty() ? std::u16string(u".") : directory_;
    for (const std::u16string& candidate :
         {std::u16string(folder), working, HomeDirectory(), std::u16string(1, PathSeparator())}) {
        if (candidate.empty()) continue;  // no home folder known
        try {
            SetDirectory(candidate);
            return;
        } catch (const IoError&) {
        }
    }
}

void DirectoryListBox::Update() { Rebuild(directory_, ListSubfolders(directory_)); }

void DirectoryListBox::Rebuild(const std::u16string& folder, std::vector<std::u16string> subfolders) {
    std::vector<FolderEntry> entries = Ancestors(folder);
    const int depth = static_cast<int>(entries.size());
    const int current_row = depth - 1;
    for (std::u16string& name : subfolders) {
        entries.push_back({ChildPath(folder, name), ToQString(name), depth, false});
    }
    model_.SetEntries(std::move(entries));
    setCurrentIndex(model_.index(current_row));
    const bool moved = folder != directory_;
    directory_ = folder;
    file_list_.PointAt(directory_);
    label_.ShowPath(directory_, width());
    if (moved) emit directoryChanged(directory_);
}

void DirectoryListBox::RequestEnter(const QModelIndex& index) {
    if (index.isValid()) emit enterRequested(model_.EntryAt(index.row()).path);
}

void DirectoryListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        RequestEnter(currentIndex());
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QListView>

#include <filesystem>
#include <string>
#include <vector>

#include "folders/folder_listing.h"

namespace sorvane {

class FileListBox;
class FolderLabel;

// One line of the folder list: an ancestor of the current folder, the current folder itself, or
// one of its subfolders, with its path as the file system has it.
struct FolderLine {
    std::filesystem::path path;
    QString name;
    int depth = 0;
    bool open = false;  // an ancestor or the current folder
};

class FolderEntriesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void SetLines(std::vector<FolderLine> lines);
    const FolderLine& LineAt(int row) const { return lines_[static_cast<std::size_t>(row)]; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<FolderLine> lines_;
};

// The folder list: the current folder with its ancestors and subfolders. Moving makes the folder
// the process's working directory, points the file list at it and updates the folder label.
class DirectoryListBox final : public QListView {
    Q_OBJECT
public:
    DirectoryListBox(FileListBox& file_list, FolderLabel& label, QWidget* parent = nullptr);

    const std::filesystem::path& Directory() const { return directory_; }
    // An empty path and the folder already shown are ignored; otherwise moves there. Throws IoError
    // naming the folder when it cannot be entered or read; the list then stays where it was.
    void SetDirectory(const std::filesystem::path& folder);
    // Sets the folder; one that cannot be entered or read (gone, a stick not plugged in) gives way,
    // silently, to the process's working folder, then the home folder, then the root.
    void SetDirectoryOrFallback(const std::filesystem::path& folder);
    // Reads the current folder again, then points the file list at it and updates the label.
    void Update();

signals:
    // The user asked to enter a folder (double click or Enter on its line).
    void enterRequested(const std::filesystem::path& folder);
    // The current folder changed.
    void directoryChanged(const std::filesystem::path& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Rebuild(const std::filesystem::path& folder, std::vector<FolderEntry> subfolders);
    void RequestEnter(const QModelIndex& index);

    FileListBox& file_list_;
    FolderLabel& label_;
    FolderEntriesModel model_;
    std::filesystem::path directory_;
};

}  // namespace sorvane

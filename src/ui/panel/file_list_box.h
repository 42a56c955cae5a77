// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QListView>

#include <filesystem>
#include <string>
#include <vector>

#include "folders/folder_listing.h"

namespace sorvane {

// The entries shown by the file list: a plain vector behind a model, so that a folder of a hundred
// thousand files costs one entry per file and no widget per file. Each entry keeps the name it was
// listed under, so that a command acts on exactly the file the user picked.
class FileNamesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void SetEntries(std::vector<FolderEntry> entries);
    const FolderEntry& EntryAt(int row) const { return entries_[static_cast<std::size_t>(row)]; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<FolderEntry> entries_;
};

// The file list: the files of its folder that match its mask, sorted, without folders and hidden
// files; one entry can be selected.
class FileListBox final : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // The selected file's full path as the file system has it; empty when no entry is selected.
    std::filesystem::path FileName() const;
    // Reads the folder again with the current mask; afterwards no entry is selected.
    void Update();
    // Pointed at a folder: another folder is read (nothing selected), its own keeps entries and selection.
    void PointAt(const std::filesystem::path& folder);
    // A new mask: the list is read again.
    void SetMask(const std::u16string& mask);

    const std::filesystem::path& Directory() const { return folder_; }
    const std::u16string& Mask() const { return mask_; }
    FileNamesModel& Names() { return model_; }

private:
    FileNamesModel model_;
    std::filesystem::path folder_;
    std::u16string mask_ = u"*.key";
};

}  // namespace sorvane

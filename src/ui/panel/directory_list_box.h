#pragma once

#include <QAbstractListModel>
#include <QListView>

#include <string>
#include <vector>

namespace sorvane {

class FileListBox;
class FolderLabel;

// One line of the folder list: an ancestor of the current folder, the current folder itself, or
// one of its subfolders.
struct FolderEntry {
    std::u16string path;
    QString name;
    int depth = 0;
    bool open = false;  // an ancestor or the current folder
};

class FolderEntriesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void SetEntries(std::vector<FolderEntry> entries);
    const FolderEntry& EntryAt(int row) const { return entries_[static_cast<std::size_t>(row)]; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<FolderEntry> entries_;
};

// The folder list: the current folder with its ancestors and subfolders. Moving makes the folder
// the process's working directory, points the file list at it and updates the folder label.
class DirectoryListBox final : public QListView {
    Q_OBJECT
public:
    DirectoryListBox(FileListBox& file_list, FolderLabel& label, QWidget* parent = nullptr);

    const std::u16string& Directory() const { return directory_; }
    // Empty text and the folder already shown are ignored; otherwise moves there. Throws IoError
    // naming the folder when it cannot be entered or read; the list then stays where it was.
    void SetDirectory(std::u16string_view folder);
    // Sets the folder; one that cannot be entered or read (gone, a stick not plugged in) gives way,
    // silently, to the process's working folder, then the home folder, then the root.
    void SetDirectoryOrFallback(std::u16string_view folder);
    // Reads the current folder again, then points the file list at it and updates the label.
    void Update();

signals:
    // The user asked to enter a folder (double click or Enter on its line).
    void enterRequested(const std::u16string& folder);
    // The current folder changed.
    void directoryChanged(const std::u16string& folder);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Rebuild(const std::u16string& folder, std::vector<std::u16string> subfolders);
    void RequestEnter(const QModelIndex& index);

    FileListBox& file_list_;
    FolderLabel& label_;
    FolderEntriesModel model_;
    std::u16string directory_;
};

}  // namespace sorvane

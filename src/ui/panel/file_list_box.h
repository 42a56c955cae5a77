#pragma once

#include <QAbstractListModel>
#include <QListView>

#include <string>
#include <vector>

namespace sorvane {

// The names shown by the file list: a plain vector behind a model, so that a folder of a hundred
// thousand files costs one string per file and no widget per file.
class FileNamesModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    void SetNames(std::vector<std::u16string> names);
    const std::u16string& NameAt(int row) const { return names_[static_cast<std::size_t>(row)]; }
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::u16string> names_;
};

// The file list: the files of its folder that match its mask, sorted, without folders and hidden
// files; one entry can be selected.
class FileListBox final : public QListView {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    // The selected file's full path, or the empty text when no entry is selected.
    std::u16string FileName() const;
    // Reads the folder again with the current mask; afterwards no entry is selected.
    void Update();
    // Pointed at a folder: another folder is read (nothing selected), its own keeps entries and selection.
    void PointAt(const std::u16string& folder);
    // A new mask: the list is read again.
    void SetMask(const std::u16string& mask);

    const std::u16string& Directory() const { return folder_; }
    const std::u16string& Mask() const { return mask_; }
    FileNamesModel& Names() { return model_; }

private:
    FileNamesModel model_;
    std::u16string folder_;
    std::u16string mask_ = u"*.key";
};

}  // namespace sorvane

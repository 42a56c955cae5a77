// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel/file_list_box.h"

#include <QStyledItemDelegate>

#include "ui/qt_text.h"

namespace sorvane {
namespace {

constexpr int kItemHeight = 13;

class FixedHeightDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight};
    }
};

}  // namespace

void FileNamesModel::SetEntries(std::vector<FolderEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int FileNamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant FileNamesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return ToQString(EntryAt(index.row()).shown);
}

FileListBox::FileListBox(QWidget* parent) : QListView(parent) {
    setModel(&model_);
    setUniformItemSizes(true);
    setItemDelegate(new FixedHeightDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

std::filesystem::path FileListBox::FileName() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return {};
    return folder_ / model_.EntryAt(selected.front().row()).name;
}

void FileListBox::Update() {
    model_.SetEntries(folder_.empty() ? std::vector<FolderEntry>{} : ListFiles(folder_, mask_));
}

void FileListBox::PointAt(const std::filesystem::path& folder) {
    if (folder == folder_) return;
    folder_ = folder;
    Update();
}

void FileListBox::SetMask(const std::u16string& mask) {
    mask_ = mask;
    Update();
}

}  // namespace sorvane

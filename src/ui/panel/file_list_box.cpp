#include "ui/panel/file_list_box.h"

#include <QStyledItemDelegate>

#include "folders/folder_listing.h"
#include "folders/path_names.h"
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

void FileNamesModel::SetNames(std::vector<std::u16string> names) {
    beginResetModel();
    names_ = std::move(names);
    endResetModel();
}

int FileNamesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(names_.size());
}

QVariant FileNamesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    return ToQString(NameAt(index.row()));
}

FileListBox::FileListBox(QWidget* parent) : QListView(parent) {
    setModel(&model_);
    setUniformItemSizes(true);
    setItemDelegate(new FixedHeightDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

std::u16string FileListBox::FileName() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return {};
    return ChildPath(folder_, model_.NameAt(selected.front().row()));
}

void FileListBox::Update() {
    model_.SetNames(folder_.empty() ? std::vector<std::u16string>{} : ListFiles(folder_, mask_));
}

void FileListBox::PointAt(const std::u16string& folder) {
    if (folder == folder_) return;
    folder_ = folder;
    Update();
}

void FileListBox::SetMask(const std::u16string& mask) {
    mask_ = mask;
    Update();
}

}  // namespace sorvane

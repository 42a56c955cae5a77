// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel/drive_combo_box.h"

#include <QFile>
#include <QStorageInfo>

#include <algorithm>

#include "ui/qt_text.h"

namespace sorvane {
namespace {

QStringList MountedRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady()) roots << volume.rootPath();
    roots.removeDuplicates();
    const QString root = QStringLiteral("/");
    std::sort(roots.begin(), roots.end(), [&](const QString& a, const QString& b) {
        if (a == root || b == root) return a == root && b != root;  // the root first
        return a < b;
    });
    return roots;
}

}  // namespace

DriveComboBox::DriveComboBox(QWidget* parent) : QComboBox(parent) {
    addItems(MountedRoots());
    connect(this, &QComboBox::activated, this, [this](int index) {
        // The drive already shown: the folder and the selection stay as they are.
        if (index == shown_) return;
        emit driveChosen(std::filesystem::path(QFile::encodeName(itemText(index)).toStdString()));
        setCurrentIndex(shown_);  // the new drive after a move, the old one when it was refused
    });
}

void DriveComboBox::ShowDriveOf(const std::filesystem::path& folder) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(folder.native()));
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        const bool holds =
            path == root || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && (best < 0 || root.size() > itemText(best).size())) best = i;
    }
    shown_ = best;
    setCurrentIndex(best);
}

std::vector<std::u16string> DriveComboBox::Roots() const {
    std::vector<std::u16string> roots;
    for (int i = 0; i < count(); ++i) roots.push_back(ToU16(itemText(i)));
    return roots;
}

}  // namespace sorvane

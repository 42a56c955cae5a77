#include "ui/panel/drive_combo_box.h"

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
    connect(this, &QComboBox::activated, this, [this](int index) { emit driveChosen(ToU16(itemText(index))); });
}

void DriveComboBox::ShowDriveOf(const std::u16string& folder) {
    const QString path = ToQString(folder);
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        const bool holds = path == root || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && (best < 0 || root.size() > itemText(best).size())) best = i;
    }
    setCurrentIndex(best);
}

}  // namespace sorvane

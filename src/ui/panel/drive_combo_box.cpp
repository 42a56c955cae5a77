#include "ui/panel/drive_combo_box.h"

#include <QFile>
#include <QStorageInfo>

#include <algorithm>


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
    connect(this, &QComboBox::activated, this, [this](int index) { emit driveChosen(std::filesystem::path(QFile::encodeName(itemText(index)).toStdString())); });
}

void DriveComboBox::ShowDriveOf(const std::filesystem::path& folder) {
    const QString path = QFile::decodeName(QByteArray::fromStdString(folder.native()));
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemText(i);
        const bool holds = path == root || path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (holds && (best < 0 || root.size() > itemText(best).size())) best = i;
    }
    setCurrentIndex(best);
}

}  // namespace sorvane

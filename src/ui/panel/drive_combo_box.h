#pragma once

#include <QComboBox>

#include <string>

namespace sorvane {

// The drive list: the mounted volumes, the root first. Picking one asks to enter its root.
class DriveComboBox final : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);
    // Shows the volume that holds the folder.
    void ShowDriveOf(const std::u16string& folder);

signals:
    void driveChosen(const std::u16string& root);
};

}  // namespace sorvane

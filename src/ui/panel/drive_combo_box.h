#pragma once

#include <QComboBox>

#include <filesystem>

namespace sorvane {

// The drive list: the mounted volumes, the root first. Picking one asks to enter its root.
class DriveComboBox final : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);
    // Shows the volume that holds the folder.
    void ShowDriveOf(const std::filesystem::path& folder);

signals:
    void driveChosen(const std::filesystem::path& root);
};

}  // namespace sorvane

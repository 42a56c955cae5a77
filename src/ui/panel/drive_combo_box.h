// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

#include <filesystem>
#include <string>
#include <vector>

namespace sorvane {

// The drive list: the mounted volumes, the root first. Picking another than the one shown asks to
// enter its root.
class DriveComboBox final : public QComboBox {
    Q_OBJECT
public:
    explicit DriveComboBox(QWidget* parent = nullptr);
    // Shows the volume that holds the folder.
    void ShowDriveOf(const std::filesystem::path& folder);

    // The volume roots offered, in the list's order.
    std::vector<std::u16string> Roots() const;

signals:
    void driveChosen(const std::filesystem::path& root);

private:
    int shown_ = -1;
};

}  // namespace sorvane

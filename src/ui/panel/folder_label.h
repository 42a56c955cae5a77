// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

#include <string>

namespace sorvane {

// The folder label: the current folder's path, shortened with "..." to the given width; a click on
// it is reported.
class FolderLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void ShowPath(const std::u16string& path, int max_width);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace sorvane

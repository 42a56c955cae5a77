// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/panel/folder_label.h"

#include <QMouseEvent>

#include "folders/minimize_name.h"
#include "ui/qt_text.h"

namespace sorvane {

void FolderLabel::ShowPath(const std::u16string& path, int max_width) {
    const QFontMetrics metrics = fontMetrics();
    setText(ToQString(MinimizeName(path, [&](std::u16string_view candidate) {
        return metrics.horizontalAdvance(ToQString(candidate)) <= max_width;
    })));
    // The label sizes itself to its text.
    resize(metrics.horizontalAdvance(text()) + 2, height());
}

void FolderLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace sorvane

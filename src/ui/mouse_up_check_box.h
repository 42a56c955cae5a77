// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCheckBox>
#include <QMouseEvent>

namespace sorvane {

// A check box that reports every mouse button released on it, after the click has toggled it.
class MouseUpCheckBox final : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

signals:
    void mouseUp();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QCheckBox::mouseReleaseEvent(event);
        emit mouseUp();
    }
};

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wheel_guard.h"

#include <QEvent>
#include <QWidget>

namespace sorvane {
namespace {

class UnfocusedWheelFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        const auto* widget = qobject_cast<QWidget*>(watched);
        return widget != nullptr && !widget->hasFocus();  // swallowed: the window does not scroll either
    }
};

}  // namespace

void IgnoreWheelUnlessFocused(QWidget* widget) {
    // Combo and spin boxes take the focus from a wheel by default, before any filter sees the wheel.
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->installEventFilter(new UnfocusedWheelFilter(widget));
}

}  // namespace sorvane

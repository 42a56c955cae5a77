// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace sorvane {
namespace {

// The part of the title bar that must be visible: enough to see it and to drag it.
constexpr long long kGripWidth = 40;
constexpr long long kGripHeight = 20;

long long Overlap(long long start, long long length, long long other_start, long long other_length) {
    return std::min(start + length, other_start + other_length) - std::max(start, other_start);
}

}  // namespace

QPoint PlaceOnSomeScreen(QPoint position, QSize outer) {
    const long long left = position.x(), top = position.y();
    const long long width = std::max(outer.width(), 1),
                    title = std::min<long long>(std::max(outer.height(), 1), kGripHeight);
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        if (Overlap(left, width, area.x(), area.width()) >= std::min(width, kGripWidth) &&
            Overlap(top, title, area.y(), area.height()) >= title)
            return position;
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary != nullptr ? primary->availableGeometry().topLeft() : QPoint(0, 0);
}

}  // namespace sorvane

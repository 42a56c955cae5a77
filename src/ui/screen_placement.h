// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

namespace sorvane {

// Where a window of the given outer size, standing at `position`, should be shown: where it is when
// enough of its title bar lies on one of the screens to grab it, else at the top left of the primary
// screen's free area. Positions at the limits of int are handled without overflow.
QPoint PlaceOnSomeScreen(QPoint position, QSize outer);

}  // namespace sorvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace sorvane {

// A wheel turned over the widget changes it only while it has the focus: a stray wheel step over a
// list must not turn "Файл" into "Директория".
void IgnoreWheelUnlessFocused(QWidget* widget);

}  // namespace sorvane

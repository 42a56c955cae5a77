// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QStyle;

namespace sorvane {

// The window's look: Fusion, with two changes for the design's tight places. The group box is an
// etched frame whose title sits on its top line beside the check boxes, and a combo box's drop-down
// button is narrower, so that the design texts of the boxes show whole. The folder icons are Qt's own.
QStyle* NewWindowStyle();

}  // namespace sorvane

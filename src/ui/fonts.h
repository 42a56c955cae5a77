// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace sorvane {

// The two faces of the window: "Pass" masks, "Tahoma" shows.
inline const QString kMaskFace = QStringLiteral("Pass");
inline const QString kPlainFace = QStringLiteral("Tahoma");

// Switches a box between the faces; only the face changes (size, colour and style stay). The mask
// face is drawn without hinting: the hinter treats glyphs by the script of their character, which
// would let identical masks differ by a pixel and so tell characters apart. Nor is it merged with
// other fonts: a character outside its map takes its mask-shaped .notdef, never another font's glyph.
void SetFace(QWidget* widget, const QString& face);

// Registers a font file for this process; gives an id for ReleaseFontFile, or -1 (not examined).
int RegisterFontFile(const QString& path);
void ReleaseFontFile(int id);

// Without a "tahoma.ttf" beside the program, the family "Tahoma" is mapped to an installed free
// sans face, so that the window never depends on a font it does not ship.
void MapPlainFaceUnlessShipped(const QString& program_directory);

}  // namespace sorvane

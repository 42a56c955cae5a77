#!/usr/bin/python3
"""Builds assets/pass.ttf, the masking face "Pass": every character shows the same mask shape.

Every code point a user can type has a glyph of its own in the character map (the Basic
Multilingual Plane except surrogates through a format 4 map, the supplementary planes through a
format 12 map), so that no character falls back to another font and shows. All those glyphs are
composites of one mask outline, which keeps the file small.

Usage: tools/make_pass_font.py [output]   (needs Debian's python3-fonttools)
"""
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable
from fontTools.ttLib.tables._g_l_y_f import Glyph, GlyphComponent

UNITS_PER_EM = 1000
ADVANCE = 620
ASCENT, DESCENT = 800, 200


def mask_outline():
    """A filled square dot, centred on the x-height, like a password bullet."""
    pen = TTGlyphPen(None)
    left, right, bottom, top = 110, 510, 150, 550
    pen.moveTo((left, bottom))
    pen.lineTo((left, top))
    pen.lineTo((right, top))
    pen.lineTo((right, bottom))
    pen.closePath()
    return pen.glyph()


def notdef_outline():
    pen = TTGlyphPen(None)
    pen.moveTo((50, 0))
    pen.lineTo((50, 700))
    pen.lineTo((550, 700))
    pen.lineTo((550, 0))
    pen.closePath()
    pen.moveTo((100, 50))
    pen.lineTo((500, 50))
    pen.lineTo((500, 650))
    pen.lineTo((100, 650))
    pen.closePath()
    return pen.glyph()


def composite_of(base_name):
    glyph = Glyph()
    component = GlyphComponent()
    component.glyphName = base_name
    component.x = component.y = 0
    component.flags = 0x0004  # ROUND_XY_TO_GRID
    glyph.components = [component]
    glyph.numberOfContours = -1
    return glyph


def subtable(table_format, platform, encoding, mapping):
    table = CmapSubtable.newSubtable(table_format)
    table.platformID, table.platEncID, table.language = platform, encoding, 0
    table.cmap = mapping
    return table


def bmp_codes():
    return [c for c in range(0x0000, 0x10000) if not 0xD800 <= c <= 0xDFFF]


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "assets/pass.ttf"
    bmp = bmp_codes()
    copies = [f"m{i:05d}" for i in range(len(bmp))]
    glyph_order = [".notdef", "mask"] + copies

    builder = FontBuilder(UNITS_PER_EM, isTTF=True)
    builder.setupGlyphOrder(glyph_order)

    glyphs = {".notdef": notdef_outline(), "mask": mask_outline()}
    for name in copies:
        glyphs[name] = composite_of("mask")
    builder.setupGlyf(glyphs)

    bmp_map = dict(zip(bmp, copies))
    # The supplementary planes cycle through the same glyphs: consecutive runs, few format 12 groups.
    full_map = dict(bmp_map)
    for offset, code in enumerate(range(0x10000, 0x110000)):
        full_map[code] = copies[offset % len(copies)]
    builder.setupCharacterMap(bmp_map)
    builder.font["cmap"].tables = [
        subtable(12, 0, 4, full_map),  # Unicode, full repertoire
        subtable(4, 3, 1, bmp_map),  # Windows, BMP
        subtable(12, 3, 10, full_map),  # Windows, full repertoire
    ]

    builder.setupHorizontalMetrics({name: (ADVANCE, 0) for name in glyph_order})
    builder.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    builder.setupNameTable({"familyName": "Pass", "styleName": "Regular", "uniqueFontIdentifier": "Sorvane Pass",
                            "fullName": "Pass", "psName": "Pass-Regular", "version": "Version 1.0"})
    builder.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0, usWinAscent=ASCENT,
                     usWinDescent=DESCENT, ulUnicodeRange1=0xFFFFFFFF, ulUnicodeRange2=0xFFFFFFFF,
                     ulUnicodeRange3=0xFFFFFFFF, ulUnicodeRange4=0x07FFFFFF, ulCodePageRange1=0xFFFFFFFF,
                     ulCodePageRange2=0xFFFFFFFF, achVendID="SRVN")
    builder.setupPost()
    builder.save(output)


if __name__ == "__main__":
    main()

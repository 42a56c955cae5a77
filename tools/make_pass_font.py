#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds pass.ttf, the masking face "Pass": every character shows the same mask shape.

The face has two glyphs, the mask and .notdef, and both are drawn as the same mask. The character
map gives the mask to printable ASCII alone, through a format 13 map ("many-to-one range
mappings") that FreeType prefers and a format 4 map for readers of BMP maps only; every other
character takes the mask-shaped .notdef. The window draws the face with font merging off
(ui/fonts.cpp), so no character ever takes a glyph of another font. The map stays small on
purpose: fontconfig walks every mapped code point when the program registers the font, which cost
about 4 ms of every start for the Basic Multilingual Plane (and 70 ms for the whole repertoire).

Usage: tools/make_pass_font.py [output]   (needs Debian's python3-fonttools)
The output defaults to build/pass.ttf in the source tree, where the default build folder makes it
(src/ui/CMakeLists.txt) before copying it beside the program.
"""
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._c_m_a_p import CmapSubtable

UNITS_PER_EM = 1000
ADVANCE = 620
ASCENT, DESCENT = 800, 200
MASK_GLYPH_ID = 1
# Mapped: printable ASCII; everything else shows .notdef, the same mask.
MAPPED_RANGES = ((0x0020, 0x007E),)
DEFAULT_OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "build", "pass.ttf")


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


def mapped_codes():
    return [code for first, last in MAPPED_RANGES for code in range(first, last + 1)]


def character_map(cmap_format, platform, encoding):
    """Format 13 turns the run of one glyph into one group; format 4 is for readers of BMP maps only."""
    table = CmapSubtable.newSubtable(cmap_format)
    table.platformID, table.platEncID, table.language = platform, encoding, 0
    table.cmap = dict.fromkeys(mapped_codes(), "mask")
    return table


def check(path):
    """Reads the font back: every subtable maps every mapped code point to the mask."""
    font = TTFont(path)
    expected = dict.fromkeys(mapped_codes(), "mask")
    for table in font["cmap"].tables:
        mapping = {code: name for code, name in table.cmap.items() if name != ".notdef"}
        if mapping != expected:
            raise SystemExit(f"{path}: cmap ({table.platformID}, {table.platEncID}) format {table.format} is wrong")
    if font.getGlyphOrder()[MASK_GLYPH_ID] != "mask":
        raise SystemExit(f"{path}: the mask is not glyph {MASK_GLYPH_ID}")


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.normpath(DEFAULT_OUTPUT)
    glyph_order = [".notdef", "mask"]
    builder = FontBuilder(UNITS_PER_EM, isTTF=True)
    builder.setupGlyphOrder(glyph_order)
    builder.setupGlyf({".notdef": mask_outline(), "mask": mask_outline()})
    builder.setupCharacterMap({})
    builder.font["cmap"].tables = [character_map(13, 0, 6), character_map(4, 3, 1), character_map(13, 3, 10)]
    builder.setupHorizontalMetrics({name: (ADVANCE, 0) for name in glyph_order})
    builder.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    builder.setupNameTable({"familyName": "Pass", "styleName": "Regular", "uniqueFontIdentifier": "Sorvane Pass",
                            "fullName": "Pass", "psName": "Pass-Regular", "version": "Version 1.1"})
    builder.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0, usWinAscent=ASCENT,
                     usWinDescent=DESCENT, usFirstCharIndex=0x0020, usLastCharIndex=0x007E,
                     ulUnicodeRange1=0xFFFFFFFF, ulUnicodeRange2=0xFFFFFFFF, ulUnicodeRange3=0xFFFFFFFF,
                     ulUnicodeRange4=0x07FFFFFF, ulCodePageRange1=0xFFFFFFFF, ulCodePageRange2=0xFFFFFFFF,
                     achVendID="SRVN")
    builder.setupPost()
    builder.save(output)
    check(output)


if __name__ == "__main__":
    main()

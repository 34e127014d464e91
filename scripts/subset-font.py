#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 the Quorvel authors
# SPDX-License-Identifier: MIT
"""Makes the browser build's faces from the Liberation fonts: only the Latin characters the program's
windows and messages use (any other falls back to the faces Qt brings), a tenth of the size, under a
family name of the program's own, since the SIL Open Font License reserves the name "Liberation" for the
fonts as their authors made them.

    subset-font.py SOURCE.ttf DESTINATION.ttf FAMILY
"""
import logging
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

# Basic Latin and Latin-1, the dotless i and the ligatures of Latin Extended-A, general punctuation
# (dashes, quotes, the ellipsis, the guillemets), the euro, the trade mark and the minus sign.
CHARACTERS = "U+0020-007E,U+00A0-00FF,U+0131,U+0152-0153,U+2010-2027,U+2030-203A,U+20AC,U+2122,U+2212"

# The name table's entries that say the family: family, unique id, full name, PostScript name,
# typographic family.
FAMILY_NAMES = (1, 3, 4, 6, 16)


def main(source, destination, family):
    # FontForge's time stamp table is dropped, which fontTools says on every run.
    logging.getLogger("fontTools.subset").setLevel(logging.ERROR)
    font = TTFont(source)
    options = subset.Options()
    options.layout_features = ["*"]
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=subset.parse_unicodes(CHARACTERS))
    subsetter.subset(font)
    style = font["name"].getDebugName(2)
    for record in font["name"].names:
        if record.nameID in FAMILY_NAMES:
            if record.nameID in (3, 4):
                record.string = f"{family} {style}"
            elif record.nameID == 6:
                record.string = f"{family.replace(' ', '')}-{style.replace(' ', '')}"
            else:
                record.string = family
    font.save(destination)


if __name__ == "__main__":
    main(*sys.argv[1:])

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The program icon: a ball knocking a block out of a row of coloured blocks,
above the paddle, drawn like the playfield on a clear ground. 32 x 32, with
16 x 16 and 24 x 24 variants drawn for their own sizes; the desktop's larger
sizes are these pictures enlarged by whole factors."""

from canvas import (Canvas, CLEAR, RED, MAROON, FUCHSIA, YELLOW, OLIVE, LIME, GREEN,
                    AQUA, BLUE, NAVY, SILVER, GREY, WHITE, check_map)
from playfield_bitmaps import BALL_MAPS, paddle_picture

ICON_ID = 2

# (fill, outline, highlight): the playfield's block colours, nearest in the
# sixteen where a block's own highlight is a paler tint.
RED_BLOCK = (RED, MAROON, FUCHSIA)
YELLOW_BLOCK = (YELLOW, OLIVE, WHITE)
LIME_BLOCK = (LIME, GREEN, WHITE)
AQUA_BLOCK = (AQUA, BLUE, WHITE)
BLUE_BLOCK = (BLUE, NAVY, AQUA)
SILVER_BLOCK = (SILVER, GREY, WHITE)
KNOCKED_OUT = None


def block(canvas, left, top, width, height, colours):
    """A block as the playfield draws one: outlined, lit on top and left."""
    fill, outline, highlight = colours
    canvas.fill(left, top, width, height, outline)
    canvas.fill(left + 1, top + 1, width - 2, height - 2, fill)
    canvas.fill(left, top, width - 1, 1, highlight)
    canvas.fill(left, top, 1, height - 1, highlight)


def block_rows(canvas, top, width, height, rows):
    for r, row in enumerate(rows):
        for c, colours in enumerate(row):
            if colours is not KNOCKED_OUT:
                block(canvas, c * width, top + r * height, width, height, colours)


def icon_32():
    icon = Canvas(32, 32, CLEAR)
    block_rows(icon, 3, 8, 6, [
        [RED_BLOCK, YELLOW_BLOCK, LIME_BLOCK, AQUA_BLOCK],
        [BLUE_BLOCK, SILVER_BLOCK, KNOCKED_OUT, RED_BLOCK],
    ])
    # The ball rising into the gap it has just made, splinters of the lime
    # block flying off on either side.
    icon.paint_map(16, 12, BALL_MAPS[2])
    icon.paint_map(12, 15, [".l", "lG"])
    icon.paint_map(26, 16, ["l.", "Gl"])
    icon.paint_map(14, 18, ["l"])
    icon.paste(5, 25, paddle_picture(22, 6, 1, CLEAR))
    return icon


# A six-pixel ball for the 24-pixel icon, lit and shadowed like the others.
BALL_6_MAP = [
    ".mmm..",
    "mwrrm.",
    "mrrrmg",
    "mrrrmg",
    ".mmmgg",
    "..ggg.",
]


def icon_24():
    icon = Canvas(24, 24, CLEAR)
    block_rows(icon, 2, 6, 5, [
        [RED_BLOCK, YELLOW_BLOCK, LIME_BLOCK, AQUA_BLOCK],
        [BLUE_BLOCK, SILVER_BLOCK, KNOCKED_OUT, RED_BLOCK],
    ])
    check_map("24-pixel ball", BALL_6_MAP, 6, 6)
    icon.paint_map(12, 9, BALL_6_MAP)
    icon.paint_map(9, 11, [".l", "lG"])
    icon.paint_map(19, 12, ["l.", "Gl"])
    icon.paste(4, 18, paddle_picture(16, 5, 1, CLEAR))
    return icon


# At 16 pixels the playfield's bevels would be noise: flat blocks with a
# dark lower-right edge, a four-pixel ball and a three-row paddle.
SMALL_ICON_MAP = [
    "................",
    "rrrmyyyolllGcccb",
    "rrrmyyyolllGcccb",
    "mmmmooooGGGGbbbb",
    "bbbnsssg....fffp",
    "bbbnsssg....fffp",
    "nnnngggg....pppp",
    "........mmm.....",
    "......lmwrrm.l..",
    ".......mrrrmg...",
    ".......mrrrmg...",
    "........mmmgg...",
    "....wwwwwwww....",
    "...mrrrrrrrrm...",
    "....mmmmmmmmgg..",
    ".....gggggggg...",
]


def icon_16():
    check_map("small icon", SMALL_ICON_MAP, 16, 16)
    icon = Canvas(16, 16, CLEAR)
    icon.paint_map(0, 0, SMALL_ICON_MAP)
    return icon


# Desktop icon size -> (picture drawn for it, whole factor it is enlarged by).
DESKTOP_SIZES = {
    16: (icon_16, 1),
    24: (icon_24, 1),
    32: (icon_32, 1),
    48: (icon_24, 2),
    64: (icon_32, 2),
    128: (icon_32, 4),
    256: (icon_32, 8),
}


def desktop_icons():
    """(size, canvas) for every size the desktop's icon theme asks for."""
    return [(size, draw().scaled(factor)) for size, (draw, factor) in DESKTOP_SIZES.items()]

"""The program icon: a ball knocking a block out of a row of coloured blocks,
above the paddle, drawn like the playfield on a clear ground. 32 x 32, with a
16 x 16 variant drawn for its own size."""

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

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The playfield's fifteen bitmaps: wall tiles, corner, paddle and ball.

Each picture comes in three sizes, one per zoom (2, 3, 4 for 50, 75 and
100 %). They are drawn at each size from the same geometry in view units,
scaled by zoom / 4, with edge widths picked per size so the small ones stay
crisp instead of being shrunk copies of the large ones.
"""

from canvas import Canvas, AQUA, SILVER, WHITE, GREY, RED, MAROON, check_map

ZOOMS = (2, 3, 4)

# The walls are a checkerboard of 16-unit squares. Every wall tile starts at
# an even square index (the corner at 0, the top tiles at 32 + 64c, the side
# tiles at 32 + 64t, the right wall at 992), so one local pattern tiles
# seamlessly in every direction.
WALL_SQUARE_UNITS = 16
TOP_TILE_UNITS = (64, 32)
SIDE_TILE_UNITS = (32, 64)
CORNER_UNITS = (32, 32)
PADDLE_UNITS = (80, 12)
BALL_UNITS = 16

# First resource number of each group of three (zoom 2, 3, 4).
TOP_TILE_ID = 200
SIDE_TILE_ID = 203
CORNER_ID = 206
PADDLE_ID = 209
BALL_ID = 212


def pixels(units, zoom):
    return units * zoom // 4


def bevel_width(square):
    # Two-pixel bevels keep the 12- and 16-pixel squares from looking like a
    # grid of lines; the 8-pixel squares at 50 % have room for only one.
    return 2 if square >= 12 else 1


def bevel_shade(u, v, square, bevel):
    """Which part of a raised square pixel (u, v) lies on: light, dark or face."""
    on_light = u < bevel or v < bevel
    on_dark = u >= square - bevel or v >= square - bevel
    if on_light and on_dark:
        # The two corners where the light and dark edges meet split along the
        # diagonal, as a raised button's do.
        return "light" if u + v < square - 1 else "dark"
    if on_light:
        return "light"
    if on_dark:
        return "dark"
    return "face"


def wall_tile(units_wide, units_high, zoom):
    square = pixels(WALL_SQUARE_UNITS, zoom)
    bevel = bevel_width(square)
    tile = Canvas(pixels(units_wide, zoom), pixels(units_high, zoom), WHITE)
    for y in range(tile.height):
        for x in range(tile.width):
            face = AQUA if (x // square + y // square) % 2 == 0 else SILVER
            shade = bevel_shade(x % square, y % square, square, bevel)
            tile.put(x, y, {"light": WHITE, "dark": GREY, "face": face}[shade])
    return tile


def rounded_bar(canvas, left, top, width, height, fill):
    """A filled bar whose four corner pixels are cut off."""
    for y in range(top, top + height):
        for x in range(left, left + width):
            at_end_column = x in (left, left + width - 1)
            at_end_row = y in (top, top + height - 1)
            if not (at_end_column and at_end_row):
                canvas.put(x, y, fill)


def paddle_picture(width, height, shadow, ground=WHITE):
    """A red bar with a bright top edge, its grey shadow offset by shadow."""
    bar_width, bar_height = width - shadow, height - shadow
    picture = Canvas(width, height, ground)
    rounded_bar(picture, shadow, shadow, bar_width, bar_height, GREY)
    rounded_bar(picture, 0, 0, bar_width, bar_height, MAROON)
    rounded_bar(picture, 1, 1, bar_width - 2, bar_height - 2, RED)
    # The bright top edge runs along the first row inside the outline, short
    # of the rounded ends so they keep their shape.
    picture.fill(2, 1, bar_width - 4, 1, WHITE)
    return picture


def paddle(zoom):
    # At 50 % the paddle is 6 pixels high: a one-pixel shadow leaves it a bar
    # of five rows, enough for outline, highlight and red.
    shadow = 1 if zoom == 2 else 2
    return paddle_picture(pixels(PADDLE_UNITS[0], zoom), pixels(PADDLE_UNITS[1], zoom), shadow)


# The ball, hand-drawn per size: a disc lit from the top left, its dark rim
# on the lower right, and its shadow falling down and to the right.
BALL_MAPS = {
    2: [
        "..mmm...",
        ".mrrrm..",
        "mrwrrrm.",
        "mrrrrrmg",
        "mrrrrrmg",
        ".mrrrmgg",
        "..mmmgg.",
        "...ggg..",
    ],
    3: [
        "...mmmmm....",
        "..mrrrrrm...",
        ".mrrrrrrrm..",
        "mrrwwrrrrrm.",
        "mrrwrrrrrrmg",
        "mrrrrrrrrrmg",
        "mrrrrrrrrmmg",
        "mrrrrrrrrmmg",
        ".mrrrrrrmmgg",
        "..mrrrrmmgg.",
        "...mmmmmgg..",
        "....ggggg...",
    ],
    4: [
        "....mmmmmm......",
        "..mmrrrrrrmm....",
        ".mrrrrrrrrrrm...",
        ".mrrwwrrrrrrmg..",
        "mrrwwwrrrrrrrmg.",
        "mrrwwrrrrrrrrmg.",
        "mrrrrrrrrrrrmmgg",
        "mrrrrrrrrrrrmmgg",
        "mrrrrrrrrrrrmmgg",
        "mrrrrrrrrrrrmmgg",
        ".mrrrrrrrrrmmggg",
        ".mrrrrrrrrmmmggg",
        "..mmrrrrmmmmggg.",
        "...gmmmmmmggggg.",
        "....gggggggggg..",
        "......gggggg....",
    ],
}


def ball(zoom):
    size = pixels(BALL_UNITS, zoom)
    rows = BALL_MAPS[zoom]
    check_map(f"ball {size}", rows, size, size)
    picture = Canvas(size, size, WHITE)
    picture.paint_map(0, 0, rows)
    return picture


def all_bitmaps():
    """(resource number, canvas) for resources 200 to 214."""
    groups = [
        (TOP_TILE_ID, lambda z: wall_tile(*TOP_TILE_UNITS, z)),
        (SIDE_TILE_ID, lambda z: wall_tile(*SIDE_TILE_UNITS, z)),
        (CORNER_ID, lambda z: wall_tile(*CORNER_UNITS, z)),
        (PADDLE_ID, paddle),
        (BALL_ID, ball),
    ]
    return [(first + i, draw(zoom)) for first, draw in groups for i, zoom in enumerate(ZOOMS)]

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A preview of the playfield as the view lays it out, for checking by eye
that the wall tiles join, and that paddle, ball and blocks sit well together.
Not part of the program's resources."""

from canvas import Canvas, WHITE
from png_writer import write_rgba_png
import playfield_bitmaps as art

CLIENT_UNITS = (1024, 608)
FRAME_UNITS = 32
COLUMNS, ROWS = 15, 12
CELL_UNITS = (64, 32)
SIDE_TILE_ROWS = 9
PADDLE_TOP_UNITS = 544
BALL_TOP_UNITS = 528

# (fill, outline, highlight) of a few block kinds, as the view draws them.
BLOCK_COLOURS = [
    ((255, 0, 0), (128, 0, 0), (255, 0, 255)),
    ((128, 255, 128), (0, 128, 0), (192, 255, 192)),
    ((128, 128, 255), (0, 0, 128), (0, 255, 255)),
    ((255, 255, 0), (128, 128, 0), (255, 255, 128)),
    ((191, 191, 0), (128, 128, 0), (255, 255, 0)),
    ((192, 192, 192), (127, 127, 127), (255, 255, 255)),
]


def px(units, zoom):
    return units * zoom // 4


def draw_block(canvas, x, y, w, h, colours):
    fill, outline, highlight = colours
    canvas.fill(x, y, w, h, outline)
    canvas.fill(x + 1, y + 1, w - 2, h - 2, fill)
    canvas.fill(x, y, 1, h - 1, highlight)
    canvas.fill(x, y, w - 1, 1, highlight)


def sample_blocks():
    """Rows 2 to 7 in six colours, one row each."""
    return {(r, c): BLOCK_COLOURS[r - 2] for r in range(2, 2 + len(BLOCK_COLOURS)) for c in range(COLUMNS)}


def playfield(zoom, blocks=None):
    """The playfield as a game starts: frame, blocks (a dict of (row, column)
    to (fill, outline, highlight); sample rows when none are given), and the
    paddle with the ball resting on it."""
    if blocks is None:
        blocks = sample_blocks()
    bitmaps = dict(art.all_bitmaps())
    member = zoom - 2
    canvas = Canvas(px(CLIENT_UNITS[0], zoom), px(CLIENT_UNITS[1], zoom), WHITE)
    right_wall = CLIENT_UNITS[0] - FRAME_UNITS
    for c in range(COLUMNS):
        canvas.paste(px(CELL_UNITS[0] * c + FRAME_UNITS, zoom), 0, bitmaps[art.TOP_TILE_ID + member])
    for t in range(SIDE_TILE_ROWS):
        y = px(64 * t + FRAME_UNITS, zoom)
        canvas.paste(0, y, bitmaps[art.SIDE_TILE_ID + member])
        canvas.paste(px(right_wall, zoom), y, bitmaps[art.SIDE_TILE_ID + member])
    canvas.paste(0, 0, bitmaps[art.CORNER_ID + member])
    canvas.paste(px(right_wall, zoom), 0, bitmaps[art.CORNER_ID + member])
    for (r, c), colours in sorted(blocks.items()):
        x, y = px(CELL_UNITS[0] * c + FRAME_UNITS, zoom), px(CELL_UNITS[1] * (r + 1), zoom)
        draw_block(canvas, x, y, 16 * zoom, 8 * zoom, colours)
    # One ball, as in play: resting on the paddle before it is launched.
    paddle_x = 480
    canvas.paste(px(paddle_x - 8, zoom), px(PADDLE_TOP_UNITS, zoom), bitmaps[art.PADDLE_ID + member])
    canvas.paste(px(paddle_x + 24, zoom), px(BALL_TOP_UNITS, zoom), bitmaps[art.BALL_ID + member])
    return canvas


def write_preview(path):
    """All three zooms stacked, largest first."""
    pictures = [playfield(zoom) for zoom in (4, 3, 2)]
    gap = 8
    width = max(p.width for p in pictures)
    height = sum(p.height for p in pictures) + gap * (len(pictures) - 1)
    sheet = Canvas(width, height, (64, 64, 64))
    top = 0
    for picture in pictures:
        sheet.paste(0, top, picture)
        top += picture.height + gap
    write_rgba_png(path, sheet.width, sheet.height, [c + (255,) for c in sheet.pixels])

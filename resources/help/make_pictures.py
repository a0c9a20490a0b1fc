#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws the manual's pictures from the game's own art and writes them to
resources/help/images/.

    python3 resources/help/make_pictures.py

Blocks are drawn the way the playfield draws a cell at 100 %; the paddle,
the ball, the walls and the toolbar buttons come from the same drawing code
as the program's bitmaps (resources/art/). The output depends only on that
code, so running it twice gives identical files; commit the pictures with
any change here or in resources/art/.
"""

import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(os.path.dirname(HERE), "art"))

from canvas import Canvas, WHITE, SILVER  # noqa: E402
from png_writer import write_rgba_png  # noqa: E402
import playfield_bitmaps as art  # noqa: E402
import preview  # noqa: E402
import toolbar  # noqa: E402

IMAGES = os.path.join(HERE, "images")
CELL = (64, 32)  # a block at 100 %
GRID_GREY = (127, 127, 127)

# (fill, outline, highlight) of kinds 1 to 14, as the playfield draws them.
BLOCK_COLOURS = {
    1: ((255, 0, 0), (128, 0, 0), (255, 0, 255)),
    2: ((128, 255, 128), (0, 128, 0), (192, 255, 192)),
    3: ((128, 128, 255), (0, 0, 128), (0, 255, 255)),
    4: ((255, 255, 0), (128, 128, 0), (255, 255, 128)),
    5: ((255, 0, 128), (128, 0, 128), (255, 0, 255)),
    6: ((0, 255, 255), (0, 0, 255), (128, 255, 255)),
    7: ((0, 255, 0), (0, 128, 0), (128, 255, 128)),
    8: ((255, 128, 0), (128, 0, 0), (255, 255, 0)),
    9: ((255, 0, 255), (128, 0, 0), (255, 128, 255)),
    10: ((0, 0, 255), (0, 0, 128), (0, 255, 255)),
    11: ((255, 128, 128), (128, 0, 128), (255, 255, 0)),
    12: ((128, 0, 0), (0, 0, 0), (255, 0, 0)),
    13: ((191, 191, 0), (128, 128, 0), (255, 255, 0)),
    14: ((192, 192, 192), (127, 127, 127), (255, 255, 255)),
}

# Toolbar buttons left to right, by command; the order of the toolbar strip.
TOOLBAR_COMMANDS = [57600, 57601, 57603, 32780, 32782, 32769, 32770, 32771, 32773, 32772, 32774,
                    33000, 33001, 33002, 33003, 33004, 33005, 57669]


def vertical(canvas, x, top, height, colour):
    canvas.fill(x, top, 1, height, colour)


def horizontal(canvas, left, y, width, colour):
    canvas.fill(left, y, width, 1, colour)


def draw_block(canvas, x, y, value):
    """A cell of kind 0 to 16 at (x, y): kinds 15 and 16 are cracked silver;
    kind 0 is an empty cell as the editor shows it, with its grid lines."""
    w, h = CELL
    if value == 0:
        canvas.fill(x, y, w, h, WHITE)
        horizontal(canvas, x, y, w, GRID_GREY)
        vertical(canvas, x, y, h, GRID_GREY)
        return
    fill, outline, highlight = BLOCK_COLOURS[min(value, 14)]
    canvas.fill(x, y, w, h, outline)
    canvas.fill(x + 1, y + 1, w - 2, h - 2, fill)
    # Line ends are not painted, so the bright edges stop one pixel short.
    vertical(canvas, x, y, h - 1, highlight)
    horizontal(canvas, x, y, w - 1, highlight)
    if value > 14:
        vertical(canvas, x + w // 2, y, h, highlight)
        vertical(canvas, x + w // 2 - 1, y, h, outline)
    if value > 15:
        for crack in (w // 4, 3 * w // 4):
            vertical(canvas, x + crack, y, h, highlight)
            vertical(canvas, x + crack - 1, y, h, outline)
        horizontal(canvas, x, y + h // 2, w, highlight)
        horizontal(canvas, x, y + h // 2 - 1, w, outline)


def block(value):
    canvas = Canvas(*CELL, WHITE)
    draw_block(canvas, 0, 0, value)
    return canvas


def palette():
    """The editor's palette: kinds 0 to 14 in three rows of five."""
    canvas = Canvas(5 * CELL[0], 3 * CELL[1], WHITE)
    for kind in range(15):
        draw_block(canvas, (kind % 5) * CELL[0], (kind // 5) * CELL[1], kind)
    return canvas


# The stage shown for each shipped set in the manual's list of sets: a
# picture that tells the set's theme at a glance.
SET_PICTURES = [("SYSTEM", 4), ("SEASONS", 10), ("KANJI", 10), ("MAZES", 10), ("EXPERT", 5)]
STAGES = os.path.join(os.path.dirname(HERE), "stages")
CELL_LETTERS = {".": 0, "G": 13, "S": 14, **{str(k): k for k in range(1, 10)}, "a": 10, "b": 11, "c": 12}


def read_stage(set_name, number):
    """The cell kinds of one stage of a set's readable source, by (row, column)."""
    with open(os.path.join(STAGES, set_name + ".txt"), encoding="utf-8") as source:
        lines = [line.strip() for line in source if line.strip() and not line.startswith("#")]
    first = lines.index(f"stage {number}") + 1
    if lines[first].startswith("bonus"):
        first += 1
    kinds = {}
    for row, line in enumerate(lines[first:first + 12]):
        line = line.replace(" ", "")
        column = 0
        while line:
            if line.startswith("{"):
                kind, line = int(line[1:3], 16) & ~0x20, line[4:]
            else:
                kind, line = CELL_LETTERS[line[0]], line[1:]
            if 0 < kind < 0x80:  # a byte with the top bit set never stands
                kinds[(row, column)] = BLOCK_COLOURS[min(kind, 14)]
            column += 1
    return kinds


def toolbar_buttons():
    strip = toolbar.toolbar_strip()
    for index, command in enumerate(TOOLBAR_COMMANDS):
        button = Canvas(toolbar.CELL_WIDTH, toolbar.CELL_HEIGHT, SILVER)
        for y in range(button.height):
            for x in range(button.width):
                button.put(x, y, strip.get(index * toolbar.CELL_WIDTH + x, y))
        yield command, button


def save(name, canvas):
    pixels = [(0, 0, 0, 0) if c is None else c + (255,) for c in canvas.pixels]
    write_rgba_png(os.path.join(IMAGES, name), canvas.width, canvas.height, pixels)


def main():
    os.makedirs(IMAGES, exist_ok=True)
    for value in range(1, 17):
        save(f"block{value}.png", block(value))
    save("palette.png", palette())
    bitmaps = dict(art.all_bitmaps())
    save("paddle.png", bitmaps[art.PADDLE_ID + 2])
    save("ball.png", bitmaps[art.BALL_ID + 2])
    save("playfield.png", preview.playfield(2))
    for set_name, stage in SET_PICTURES:
        save(f"set-{set_name.lower()}.png", preview.playfield(2, read_stage(set_name, stage)))
    save("toolbar.png", toolbar.toolbar_strip())
    for command, button in toolbar_buttons():
        save(f"tb{command}.png", button)


if __name__ == "__main__":
    main()

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The three mouse pointers: 32 x 32, black shapes with a white outline on a
clear ground, so each shows on the white playfield and on dark ground alike."""

from canvas import Canvas, CLEAR, BLACK, WHITE

POINTER_SIZE = 32

PLAY_POINTER_ID = 117
PAUSE_POINTER_ID = 118
EDITOR_POINTER_ID = 119

# Hot spots, repeated in resources/PointerHotSpots.h for the program.
HOT_SPOTS = {
    PLAY_POINTER_ID: (16, 16),
    PAUSE_POINTER_ID: (16, 16),
    EDITOR_POINTER_ID: (15, 25),
}

NEIGHBOURS = [(dx, dy) for dy in (-1, 0, 1) for dx in (-1, 0, 1) if (dx, dy) != (0, 0)]


def outline_dark_shapes(pointer):
    """Rings every black pixel with white wherever the ground is clear."""
    ring = []
    for y in range(pointer.height):
        for x in range(pointer.width):
            if pointer.get(x, y) is not CLEAR:
                continue
            for dx, dy in NEIGHBOURS:
                nx, ny = x + dx, y + dy
                if 0 <= nx < pointer.width and 0 <= ny < pointer.height and pointer.get(nx, ny) == BLACK:
                    ring.append((x, y))
                    break
    for x, y in ring:
        pointer.put(x, y, WHITE)
    return pointer


def play_pointer():
    # A thin line marks exactly where the paddle's centre will go.
    pointer = Canvas(POINTER_SIZE, POINTER_SIZE, CLEAR)
    hot_x, hot_y = HOT_SPOTS[PLAY_POINTER_ID]
    half_length = 11
    pointer.fill(hot_x, hot_y - half_length, 1, 2 * half_length + 1, BLACK)
    return outline_dark_shapes(pointer)


def pause_pointer():
    pointer = Canvas(POINTER_SIZE, POINTER_SIZE, CLEAR)
    hot_x, hot_y = HOT_SPOTS[PAUSE_POINTER_ID]
    bar_width, bar_height, gap = 4, 15, 5
    top = hot_y - bar_height // 2
    pointer.fill(hot_x - gap // 2 - bar_width, top, bar_width, bar_height, BLACK)
    pointer.fill(hot_x + gap // 2 + 1, top, bar_width, bar_height, BLACK)
    return outline_dark_shapes(pointer)


# A round brush held upright: a slim hollow handle, the banded metal ferrule,
# and the bristles swelling and then tapering to the tip, which is the hot
# spot at (15, 25).
BRUSH_MAP = [
    "....k....",   # y 1
    "...kwk...",
    "...kwk...",
    "...kwk...",
    "...kwk...",
    "...kwk...",
    "...kwk...",
    "...kwk...",
    "...kwk...",
    "...kwk...",
    "..kkwkk..",
    "..kwwwk..",   # y 12: ferrule
    "..kkkkk..",
    "..kwwwk..",
    "..kkkkk..",
    ".kkkkkkk.",   # y 16: bristles
    ".kkkkkkk.",
    ".kkkkkkk.",
    ".kkkkkkk.",
    "..kkkkk..",
    "..kkkkk..",
    "...kkk...",
    "...kkk...",
    "....k....",
    "....k....",   # y 25: the tip
]
BRUSH_MAP_CORNER = (11, 1)


def editor_pointer():
    pointer = Canvas(POINTER_SIZE, POINTER_SIZE, CLEAR)
    pointer.paint_map(*BRUSH_MAP_CORNER, BRUSH_MAP)
    return outline_dark_shapes(pointer)


def all_pointers():
    """(resource number, canvas) for pointers 117 to 119."""
    return [
        (PLAY_POINTER_ID, play_pointer()),
        (PAUSE_POINTER_ID, pause_pointer()),
        (EDITOR_POINTER_ID, editor_pointer()),
    ]

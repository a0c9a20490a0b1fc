# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The icon of a stage-set file (.blc) on the desktop: a page with a folded
corner holding rows of blocks and a paddle, a small stage. Drawn for 16, 24 and 32 pixels
from one layout scaled by size / 8; the larger sizes are enlarged copies."""

from canvas import (Canvas, CLEAR, BLACK, GREY, SILVER, WHITE, RED, MAROON, YELLOW, OLIVE,
                    LIME, GREEN, AQUA, BLUE, NAVY, FUCHSIA)

# One row of blocks per line, (fill, dark edge): a rainbow row, a silver row
# with a gold block in the middle, and a row of blue.
GOLD = (OLIVE, BLACK)
BLOCK_ROWS = [
    [(RED, MAROON), (YELLOW, OLIVE), (LIME, GREEN)],
    [(SILVER, GREY), GOLD, (SILVER, GREY)],
    [(AQUA, BLUE), (FUCHSIA, MAROON), (BLUE, NAVY)],
]


def page(icon, unit):
    """White page with a black outline and its top-right corner folded down."""
    size = icon.width
    left, right = unit, size - unit - 1
    fold = 2 * unit
    for y in range(size):
        # The cut corner: the page's right edge starts below the fold.
        edge = right if y >= fold else right - fold + y
        icon.fill(left, y, edge - left + 1, 1, WHITE)
        icon.put(left, y, BLACK)
        icon.put(edge, y, BLACK)
    icon.fill(left, 0, right - fold - left + 1, 1, BLACK)
    icon.fill(left, size - 1, right - left + 1, 1, BLACK)
    # The folded-over flap: a grey triangle below the cut.
    for y in range(fold + 1):
        icon.fill(right - fold, y, y + 1, 1, SILVER)
        icon.put(right - fold + y, y, BLACK)
        icon.put(right - fold, y, BLACK)
    icon.fill(right - fold, fold, fold + 1, 1, BLACK)


def blocks(icon, unit):
    """Three rows of three blocks, each with a dark lower-right edge."""
    left = 2 * unit
    width = (icon.width - 4 * unit) // 3
    top = 3 * unit
    for r, row in enumerate(BLOCK_ROWS):
        y = top + r * (unit + 1)
        for c, (fill, edge) in enumerate(row):
            x = left + c * width
            icon.fill(x, y, width, unit, edge)
            icon.fill(x, y, width - 1, unit - 1, fill)


def paddle(icon, unit):
    """A red paddle near the foot of the page, where there is room for one."""
    if unit < 3:
        return
    width = 2 * unit
    icon.fill(icon.width // 2 - unit, icon.height - unit - 1, width, unit // 2, RED)


def stage_set_icon(size):
    icon = Canvas(size, size, CLEAR)
    unit = size // 8
    page(icon, unit)
    blocks(icon, unit)
    paddle(icon, unit)
    return icon


DESKTOP_SIZES = {16: (16, 1), 24: (24, 1), 32: (32, 1), 48: (24, 2), 64: (32, 2), 128: (32, 4), 256: (32, 8)}


def desktop_icons():
    """(size, canvas) for every size the desktop's icon theme asks for."""
    return [(size, stage_set_icon(drawn).scaled(factor)) for size, (drawn, factor) in DESKTOP_SIZES.items()]

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The sixteen classic colours and a small pixel canvas to draw with them."""

from png_writer import write_indexed_png, write_rgba_png
from svg_writer import write_pixel_svg

BLACK = (0, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 128, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
FUCHSIA = (255, 0, 255)
AQUA = (0, 255, 255)
WHITE = (255, 255, 255)

# Palette order of the classic 16-colour display, so index 0 is black and
# index 15 white in every indexed file we write.
PALETTE = [BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
           GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE]

# Pointers and icons: a pixel that shows nothing.
CLEAR = None

# One letter per colour for the hand-drawn pixel maps. "." leaves the pixel
# as it is, so a map only says what it paints.
LEGEND = {
    "k": BLACK, "m": MAROON, "G": GREEN, "o": OLIVE, "n": NAVY, "p": PURPLE,
    "t": TEAL, "g": GREY, "s": SILVER, "r": RED, "l": LIME, "y": YELLOW,
    "b": BLUE, "f": FUCHSIA, "c": AQUA, "w": WHITE,
}
KEEP = "."


class Canvas:
    """A width x height grid of colours (or CLEAR), drawn pixel by pixel."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [background] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def put(self, x, y, colour):
        # Shapes may reach past the edge; clipping here keeps them simple.
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def fill(self, left, top, width, height, colour):
        for y in range(top, top + height):
            for x in range(left, left + width):
                self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, colour):
        """Both end points included (Bresenham)."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        step_x, step_y = (1 if x1 > x0 else -1), (1 if y1 > y0 else -1)
        error = dx + dy
        while True:
            self.put(x0, y0, colour)
            if (x0, y0) == (x1, y1):
                return
            doubled = 2 * error
            if doubled >= dy:
                error += dy
                x0 += step_x
            if doubled <= dx:
                error += dx
                y0 += step_y

    def paint_map(self, left, top, rows):
        """Paints a hand-drawn map of LEGEND letters with its corner at (left, top)."""
        for dy, row in enumerate(rows):
            for dx, letter in enumerate(row):
                if letter != KEEP:
                    self.put(left + dx, top + dy, LEGEND[letter])

    def paste(self, left, top, other):
        for y in range(other.height):
            for x in range(other.width):
                self.put(left + x, top + y, other.get(x, y))

    def scaled(self, factor):
        """Each pixel becomes a factor x factor square: larger, never blurred."""
        big = Canvas(self.width * factor, self.height * factor, CLEAR)
        for y in range(big.height):
            for x in range(big.width):
                big.put(x, y, self.get(x // factor, y // factor))
        return big

    def save_indexed(self, path):
        """Saves as a 16-colour image; any colour outside the palette is a bug."""
        indices = []
        for colour in self.pixels:
            if colour not in PALETTE:
                raise ValueError(f"{path}: colour {colour} is not one of the sixteen")
            indices.append(PALETTE.index(colour))
        write_indexed_png(path, self.width, self.height, indices, PALETTE)

    def save_rgba(self, path):
        pixels = []
        for colour in self.pixels:
            if colour is CLEAR:
                pixels.append((0, 0, 0, 0))
                continue
            if colour not in PALETTE:
                raise ValueError(f"{path}: colour {colour} is not one of the sixteen")
            pixels.append(colour + (255,))
        write_rgba_png(path, self.width, self.height, pixels)

    def save_svg(self, path):
        """Saves as a vector image of square pixels, sharp at any size."""
        write_pixel_svg(path, self.width, self.height, self.get)


def check_map(name, rows, width, height):
    """A map of the wrong size is a drawing mistake: say which picture it is."""
    if len(rows) != height or any(len(row) != width for row in rows):
        sizes = sorted({len(row) for row in rows})
        raise ValueError(f"{name}: map is {sizes} x {len(rows)}, wants {width} x {height}")

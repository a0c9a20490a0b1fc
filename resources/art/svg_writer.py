# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""A vector image made of a pixel picture's squares, so the desktop can draw
the icon at any size and the pixels stay sharp.

Runs of one colour along a row become one rectangle, which keeps the file
small; the output is reproducible like the PNG writer's.
"""


def _runs(width, height, colour_at):
    """(x, y, length, colour) for each horizontal run of one visible colour."""
    for y in range(height):
        x = 0
        while x < width:
            colour = colour_at(x, y)
            length = 1
            while x + length < width and colour_at(x + length, y) == colour:
                length += 1
            if colour is not None:
                yield x, y, length, colour
            x += length


def write_pixel_svg(path, width, height, colour_at):
    """colour_at(x, y) gives an (r, g, b) tuple, or None where nothing shows."""
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{width * 8}" height="{height * 8}" '
        f'viewBox="0 0 {width} {height}" shape-rendering="crispEdges">',
    ]
    for x, y, length, (r, g, b) in _runs(width, height, colour_at):
        lines.append(f'<rect x="{x}" y="{y}" width="{length}" height="1" fill="#{r:02x}{g:02x}{b:02x}"/>')
    lines.append("</svg>")
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write("\n".join(lines) + "\n")

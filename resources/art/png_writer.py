# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Minimal PNG writer: indexed (up to 16 colours) and RGBA images.

Only the standard library is used so the art can be rebuilt anywhere Python
runs. Output is byte-for-byte reproducible: no time stamps, no text chunks,
fixed compression level.
"""

import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLOUR_TYPE_INDEXED = 3
COLOUR_TYPE_RGBA = 6
COMPRESSION_LEVEL = 9


def _chunk(tag, data):
    body = tag + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _header(width, height, bit_depth, colour_type):
    return _chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bit_depth, colour_type, 0, 0, 0))


def _image_data(scanlines):
    # Filter type 0 (none) on every line keeps the writer trivial; the images
    # are tiny, so the size cost does not matter.
    raw = b"".join(b"\x00" + line for line in scanlines)
    return _chunk(b"IDAT", zlib.compress(raw, COMPRESSION_LEVEL))


def _write(path, chunks):
    with open(path, "wb") as out:
        out.write(PNG_SIGNATURE)
        for chunk in chunks:
            out.write(chunk)
        out.write(_chunk(b"IEND", b""))


def write_indexed_png(path, width, height, indices, palette):
    """Writes a 4-bit palette image; indices is a row-major list of ints."""
    if len(palette) > 16:
        raise ValueError("a 4-bit image holds at most 16 colours")
    if len(indices) != width * height:
        raise ValueError("pixel count does not match the size")
    scanlines = []
    for y in range(height):
        row = indices[y * width:(y + 1) * width]
        if width % 2:
            row = row + [0]
        scanlines.append(bytes((row[i] << 4) | row[i + 1] for i in range(0, len(row), 2)))
    plte = b"".join(bytes(colour) for colour in palette)
    _write(path, [_header(width, height, 4, COLOUR_TYPE_INDEXED), _chunk(b"PLTE", plte), _image_data(scanlines)])


def write_rgba_png(path, width, height, pixels):
    """Writes an 8-bit RGBA image; pixels is a row-major list of 4-tuples."""
    if len(pixels) != width * height:
        raise ValueError("pixel count does not match the size")
    scanlines = [b"".join(bytes(p) for p in pixels[y * width:(y + 1) * width]) for y in range(height)]
    _write(path, [_header(width, height, 8, COLOUR_TYPE_RGBA), _image_data(scanlines)])

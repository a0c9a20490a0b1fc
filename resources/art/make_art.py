#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Draws every image the program loads, and the icons the desktop shows for
the program and its stage-set files, and writes them under resources/.

    python3 resources/art/make_art.py              # rewrite the images
    python3 resources/art/make_art.py --preview P  # also write a playfield preview to P

The output depends on nothing but this folder's code, so running it twice
gives identical files; commit the images together with any change here.
"""

import argparse
import os
import sys

# The drawing modules sit beside this script; keep their compiled caches out
# of the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import playfield_bitmaps  # noqa: E402
import pointers  # noqa: E402
import program_icon  # noqa: E402
import stage_set_icon  # noqa: E402
import toolbar  # noqa: E402
import preview  # noqa: E402

RESOURCES = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Names in the desktop's icon theme: the program's, and that of its stage-set
# file type (the media type with "/" as "-").
PROGRAM_ICON_NAME = "zembrovaltine"
STAGE_SET_ICON_NAME = "application-x-zembrovaltine-stage-set"


def output_path(*parts):
    path = os.path.join(RESOURCES, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--preview", metavar="PATH", help="write a preview of the playfield to PATH")
    args = parser.parse_args()

    for number, picture in playfield_bitmaps.all_bitmaps():
        picture.save_indexed(output_path("bitmaps", f"{number}.png"))
    toolbar.toolbar_strip().save_indexed(output_path("bitmaps", f"{toolbar.STRIP_ID}.png"))
    for number, picture in pointers.all_pointers():
        picture.save_rgba(output_path("cursors", f"{number}.png"))
    program_icon.icon_32().save_rgba(output_path("icons", f"{program_icon.ICON_ID}.png"))
    program_icon.icon_16().save_rgba(output_path("icons", f"{program_icon.ICON_ID}-16.png"))
    for size, picture in program_icon.desktop_icons():
        picture.save_rgba(output_path("desktop", "icons", f"{PROGRAM_ICON_NAME}-{size}.png"))
    program_icon.icon_32().save_svg(output_path("desktop", "icons", f"{PROGRAM_ICON_NAME}.svg"))
    for size, picture in stage_set_icon.desktop_icons():
        picture.save_rgba(output_path("desktop", "icons", f"{STAGE_SET_ICON_NAME}-{size}.png"))
    stage_set_icon.stage_set_icon(32).save_svg(output_path("desktop", "icons", f"{STAGE_SET_ICON_NAME}.svg"))
    if args.preview:
        preview.write_preview(args.preview)


if __name__ == "__main__":
    main()

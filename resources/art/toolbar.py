# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The toolbar strip: eighteen 16 x 15 pictures side by side on button grey,
in the order of the toolbar's buttons.

Each picture is a small function that paints one cell; most are hand-drawn
maps (letters as in canvas.LEGEND, "." leaves the button grey showing).
"""

from canvas import Canvas, SILVER, BLACK, NAVY, check_map

CELL_WIDTH = 16
CELL_HEIGHT = 15
STRIP_ID = 2


def paint(cell, name, rows):
    check_map(name, rows, CELL_WIDTH, CELL_HEIGHT)
    cell.paint_map(0, 0, rows)


def new_page(cell):  # 57600
    paint(cell, "blank page", [
        "................",
        "...kkkkkkk......",
        "...kwwwwwkk.....",
        "...kwwwwwkwk....",
        "...kwwwwwkwwk...",
        "...kwwwwwkkkkk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kwwwwwwwwwk..",
        "...kkkkkkkkkkk..",
        "................",
    ])


def opening_folder(cell):  # 57601
    paint(cell, "opening folder", [
        "................",
        "................",
        "................",
        ".kkkk...........",
        "kyyyyk..........",
        "kyyyyykkkkkkk...",
        "kyoooooooooyk...",
        "kyoooooooooyk...",
        "kyookkkkkkkkkkkk",
        "kyokyyyyyyyyyyyk",
        "kykyyyyyyyyyyyk.",
        "kkyyyyyyyyyyyk..",
        "kkkkkkkkkkkkk...",
        "................",
        "................",
    ])


def diskette(cell):  # 57603
    paint(cell, "diskette", [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".knnssssssssnnk.",
        ".knnsssssgksnnk.",
        ".knnsssssgksnnk.",
        ".knnsssssgksnnk.",
        ".knnssssssssnnk.",
        ".knnnnnnnnnnnnk.",
        ".knwwwwwwwwwwnk.",
        ".knwggggggggwnk.",
        ".knwwwwwwwwwwnk.",
        ".knwggggggggwnk.",
        ".knwwwwwwwwwwnk.",
        ".kkkkkkkkkkkkkk.",
        "................",
    ])


def black_ball(cell):  # 32780
    paint(cell, "black ball", [
        "................",
        "................",
        "......kkkkk.....",
        ".....kkkkkkk....",
        "....kkwwkkkkk...",
        "...kkwwgkkkkkk..",
        "...kkwgkkkkkkk..",
        "...kkkkkkkkkkk..",
        "...kkkkkkkkkkk..",
        "...kkkkkkkkkkk..",
        "....kkkkkkkkk...",
        ".....kkkkkkk....",
        "......kkkkk.....",
        "................",
        "................",
    ])


def message_window(cell):  # 32782
    paint(cell, "window with text lines", [
        "................",
        ".kkkkkkkkkkkkkk.",
        ".knnnnnnnnnwnwk.",
        ".knnnnnnnnnnnnk.",
        ".kwwwwwwwwwwwwk.",
        ".kwkkkkkkkkwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwkkkkkkkkkkwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwkkkkkkwwwwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kwkkkkkkkkkwwk.",
        ".kwwwwwwwwwwwwk.",
        ".kkkkkkkkkkkkkk.",
        "................",
    ])


def racket_player(cell):  # 32769
    paint(cell, "figure with a racket", [
        "................",
        "...........rrr..",
        "....kk....rwwwr.",
        "...kkkk...rwwwr.",
        "...kkkk...rwwwr.",
        "....kk.....rrr..",
        "...........m....",
        "...kkkkkkkm.....",
        "..kkkkk.........",
        ".k.kkkk.........",
        "...kkkk.........",
        "...kk.kk........",
        "..kk...kk.......",
        "..k.....k.......",
        ".kk.....kk......",
    ])


def binoculars(cell):  # 32770
    paint(cell, "binoculars", [
        "................",
        "...kkkk..kkkk...",
        "...kggk..kggk...",
        "...kggkkkkggk...",
        "..kkkkkggkkkkk..",
        "..kgggkggkgggk..",
        ".kkgggkkkkgggkk.",
        ".kggggk..kggggk.",
        ".kggggk..kggggk.",
        ".kggggk..kggggk.",
        ".kkkkkk..kkkkkk.",
        ".kbccbk..kbccbk.",
        ".kbbbbk..kbbbbk.",
        ".kkkkkk..kkkkkk.",
        "................",
    ])


def brush(cell):  # 32771
    paint(cell, "brush", [
        "..............kk",
        ".............kyk",
        "............kyok",
        "...........kyok.",
        "..........kyok..",
        ".........kyok...",
        "........kkkkk...",
        ".......kwsgk....",
        "......kwsgk.....",
        ".....kkkkkk.....",
        "....kkkkkkk.....",
        "...kkkkkkk......",
        "..krrkkk........",
        "..krrk..........",
        ".kk.............",
    ])


def double_arrow_left(cell):  # 32773
    paint(cell, "double arrow left", [
        "................",
        "................",
        "................",
        "......k......k..",
        ".....kk.....kk..",
        "....kkk....kkk..",
        "...kkkk...kkkk..",
        "..kkkkk..kkkkk..",
        "...kkkk...kkkk..",
        "....kkk....kkk..",
        ".....kk.....kk..",
        "......k......k..",
        "................",
        "................",
        "................",
    ])


def double_arrow_right(cell):  # 32772
    paint(cell, "double arrow right", [
        "................",
        "................",
        "................",
        "..k......k......",
        "..kk.....kk.....",
        "..kkk....kkk....",
        "..kkkk...kkkk...",
        "..kkkkk..kkkkk..",
        "..kkkk...kkkk...",
        "..kkk....kkk....",
        "..kk.....kk.....",
        "..k......k......",
        "................",
        "................",
        "................",
    ])


def pause_bars(cell):  # 32774
    paint(cell, "two pause bars", [
        "................",
        "................",
        "................",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "....kkk..kkk....",
        "................",
        "................",
        "................",
    ])


def walking_figure(cell):  # 33000
    paint(cell, "walking figure", [
        "................",
        "..........kk....",
        ".........kkkk...",
        "..........kk....",
        "................",
        ".........kkk....",
        "........kkkkk...",
        ".......kkkk.kk..",
        "......kkkkk..k..",
        ".....k.kkk...k..",
        "....k..kkk......",
        "......kk.kk.....",
        ".....kk...kk....",
        "....kk.....kk...",
        "...kk.......kk..",
    ])


def wheel(cell, left, top):
    """A 7 x 7 wheel with its hub."""
    cell.paint_map(left, top, [
        "..kkk..",
        ".k...k.",
        "k.....k",
        "k..k..k",
        "k.....k",
        ".k...k.",
        "..kkk..",
    ])


def bicycle(cell):  # 33001
    rear_hub, crank, front_hub = (3, 10), (7, 10), (12, 10)
    seat, head = (6, 6), (11, 6)
    wheel(cell, 0, 7)
    wheel(cell, 9, 7)
    for start, end in [(rear_hub, crank), (crank, seat), (seat, head), (head, crank),
                       (rear_hub, seat), (head, front_hub)]:
        cell.line(*start, *end, BLACK)
    cell.fill(5, 5, 3, 1, BLACK)          # saddle
    cell.line(11, 5, 11, 4, BLACK)        # stem
    cell.fill(10, 3, 3, 1, BLACK)         # handlebar
    cell.put(crank[0], crank[1] + 1, BLACK)  # pedal


def car(cell):  # 33002
    paint(cell, "car", [
        "................",
        "................",
        "................",
        "................",
        ".....kkkkkkk....",
        "....kcckcccck...",
        "...kccckccccck..",
        ".kkkkkkkkkkkkkk.",
        "krrrrrrrrrrrrrrk",
        "krrrrrrrrrrrrryk",
        "krrkkkkrrrkkkkrk",
        ".kkksskkkkksskk.",
        "...kkkk...kkkk..",
        "................",
        "................",
    ])


def aeroplane(cell):  # 33003
    paint(cell, "aeroplane", [
        "................",
        "................",
        ".......kk.......",
        ".......kbk......",
        "..k.....kbk.....",
        ".kbk....kbbk....",
        ".kbbkkkkkbbbkkk.",
        ".kbbbbbbbbbbbbbk",
        ".kbbkkkkkbbbkkk.",
        ".kbk....kbbk....",
        "..k.....kbk.....",
        ".......kbk......",
        ".......kk.......",
        "................",
        "................",
    ])


def musical_note(cell):  # 33004
    paint(cell, "musical note", [
        "................",
        ".....kkkkkkkkk..",
        ".....kkkkkkkkk..",
        ".....k.......k..",
        ".....k.......k..",
        ".....k.......k..",
        ".....k.......k..",
        ".....k.......k..",
        ".....k.......k..",
        "..kkkk....kkkk..",
        ".kkkkk...kkkkk..",
        ".kkkkk...kkkkk..",
        "..kkk.....kkk...",
        "................",
        "................",
    ])


def sound_wave(cell):  # 33005
    # A burst of sound as a level meter draws it: one bar every other
    # column, mirrored about the centre line, loudest in the middle.
    middle = 7
    levels = [1, 3, 2, 5, 6, 4, 2, 1]
    for bar, level in enumerate(levels):
        x = 1 + 2 * bar
        cell.line(x, middle - level, x, middle + level, NAVY)


def context_help(cell):  # 57669
    paint(cell, "arrow with question mark", [
        "k...............",
        "kk..............",
        "kwk.............",
        "kwwk............",
        "kwwwk.....kkkk..",
        "kwwwwk...kk..kk.",
        "kwwwwwk..kk..kk.",
        "kwwwkkkk....kk..",
        "kwkwk......kk...",
        "kk.kwk.....kk...",
        "k...kwk.........",
        ".....kwk...kk...",
        "......k....kk...",
        "................",
        "................",
    ])


# Button order of the toolbar, left to right, separators left out.
PICTURES = [
    new_page, opening_folder, diskette,
    black_ball, message_window,
    racket_player, binoculars, brush,
    double_arrow_left, double_arrow_right, pause_bars,
    walking_figure, bicycle, car, aeroplane,
    musical_note, sound_wave,
    context_help,
]


def toolbar_strip():
    strip = Canvas(CELL_WIDTH * len(PICTURES), CELL_HEIGHT, SILVER)
    for index, picture in enumerate(PICTURES):
        cell = Canvas(CELL_WIDTH, CELL_HEIGHT, SILVER)
        picture(cell)
        strip.paste(index * CELL_WIDTH, 0, cell)
    return strip

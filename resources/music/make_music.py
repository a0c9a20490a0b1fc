#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes the game's three tunes as General MIDI files (format 1).

Each tune is built from a chord progression: a melody that walks over the
chords, a bass line, soft chords and a drum kit. The melodies come from a
seeded generator, so every run writes the same bytes with nothing beyond
Python's standard library.

    make_music.py OUTPUT_DIR
"""
import os
import random
import struct
import sys

TICKS = 480  # per quarter note
EIGHTH = TICKS // 2
BAR = TICKS * 4
DRUMS = 9

# Chords as (root pitch class, quality); qualities as intervals from the root.
QUALITIES = {"maj": (0, 4, 7), "min": (0, 3, 7), "dom": (0, 4, 7, 10), "min7": (0, 3, 7, 10), "maj7": (0, 4, 7, 11)}
NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11, "Bb": 10}


def chord(name):
    root, quality = name.split(":")
    return NOTE[root], QUALITIES[quality]


# Rhythms of one melody bar, in eighths: (start, length).
RHYTHMS = [
    [(0, 2), (2, 1), (3, 1), (4, 3), (7, 1)],
    [(0, 1), (1, 1), (2, 2), (4, 2), (6, 2)],
    [(0, 3), (3, 1), (4, 4)],
    [(0, 2), (2, 2), (4, 2), (6, 2)],
    [(1, 1), (2, 1), (3, 1), (4, 2), (6, 1), (7, 1)],
]


class Track:
    def __init__(self):
        self.events = []  # (tick, order, bytes); note-offs sort before note-ons at one tick

    def note(self, channel, pitch, start, length, velocity):
        self.events.append((start, 1, bytes([0x90 | channel, pitch, velocity])))
        self.events.append((start + length, 0, bytes([0x80 | channel, pitch, 0])))

    def program(self, channel, number):
        self.events.append((0, 0, bytes([0xC0 | channel, number])))
        self.events.append((0, 0, bytes([0xB0 | channel, 7, 100])))  # channel volume

    def meta(self, tick, kind, data):
        self.events.append((tick, 0, bytes([0xFF, kind]) + variable_length(len(data)) + data))

    def chunk(self, end):
        out = bytearray()
        last = 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            out += variable_length(tick - last) + data
            last = tick
        out += variable_length(max(0, end - last)) + b"\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(out)) + bytes(out)


def variable_length(value):
    groups = [value & 0x7F]
    value >>= 7
    while value:
        groups.append((value & 0x7F) | 0x80)
        value >>= 7
    return bytes(reversed(groups))


def scale_of(key_root, minor):
    steps = (0, 2, 3, 5, 7, 8, 10) if minor else (0, 2, 4, 5, 7, 9, 11)
    return sorted({(key_root + s) % 12 for s in steps})


def nearest(pitch, classes, low, high):
    candidates = [p for p in range(low, high + 1) if p % 12 in classes]
    return min(candidates, key=lambda p: (abs(p - pitch), p))


def melody_bars(rng, chords, key_scale, low, high, start_pitch):
    """One melody bar per chord: strong beats on chord tones, the notes
    between them stepping along the scale."""
    bars = []
    pitch = start_pitch
    for index, name in enumerate(chords):
        root, intervals = chord(name)
        tones = {(root + i) % 12 for i in intervals}
        rhythm = RHYTHMS[rng.randrange(len(RHYTHMS))] if index % 4 != 3 else RHYTHMS[2]
        notes = []
        for start, length in rhythm:
            if start % 4 == 0:
                pitch = nearest(pitch + rng.choice((-4, -2, 0, 2, 4)), tones, low, high)
            else:
                step = rng.choice((-2, -1, 1, 2))
                candidates = [p for p in range(low, high + 1) if p % 12 in key_scale]
                position = min(range(len(candidates)), key=lambda i: abs(candidates[i] - pitch))
                pitch = candidates[max(0, min(len(candidates) - 1, position + step))]
            notes.append((start, length, pitch))
        bars.append(notes)
    return bars


DRUM_PATTERNS = {
    # eighth -> drums struck on it
    "steady": {0: (36, 42), 1: (42,), 2: (38, 42), 3: (42,), 4: (36, 42), 5: (36, 42), 6: (38, 42), 7: (46,)},
    "drive": {0: (36, 42), 1: (42,), 2: (38, 42), 3: (36, 42), 4: (36, 42), 5: (42,), 6: (38, 42), 7: (38, 42)},
}


def chord_voice(pitch_class):
    """The chords sit between G3 and F#4, under the melody."""
    pitch = 48 + pitch_class % 12
    return pitch + 12 if pitch < 55 else pitch


def add_drums(track, bar, pattern, crash=False):
    for eighth, drums in DRUM_PATTERNS[pattern].items():
        for drum in drums:
            velocity = 96 if drum in (36, 38) else 64
            track.note(DRUMS, drum, bar * BAR + eighth * EIGHTH, EIGHTH // 2, velocity)
    if crash:
        track.note(DRUMS, 49, bar * BAR, TICKS, 90)


def tune(spec):
    rng = random.Random(spec["seed"])
    key_scale = scale_of(spec["key"], spec["minor"])
    conductor, lead, bass, harmony, drums = Track(), Track(), Track(), Track(), Track()
    tempo = 60_000_000 // spec["bpm"]
    conductor.meta(0, 0x51, tempo.to_bytes(3, "big"))
    conductor.meta(0, 0x58, bytes([4, 2, 24, 8]))
    lead.program(0, spec["lead"])
    bass.program(1, spec["bass"])
    harmony.program(2, spec["harmony"])

    melodies = {}
    bar = 0
    for section in spec["form"]:
        chords = spec["sections"][section]
        if section not in melodies:
            melodies[section] = melody_bars(rng, chords, key_scale, 64, 84, 72)
        for index, name in enumerate(chords):
            root, intervals = chord(name)
            for start, length, pitch in melodies[section][index]:
                lead.note(0, pitch, bar * BAR + start * EIGHTH, length * EIGHTH - 20, 100)
            bass_root = 36 + root
            for eighth in spec["bass_rhythm"]:
                pitch = bass_root + (12 if eighth in spec.get("octave_eighths", ()) else 0)
                bass.note(1, pitch, bar * BAR + eighth * EIGHTH, EIGHTH - 20, 96)
            for interval in intervals[:3]:
                harmony.note(2, chord_voice(root + interval), bar * BAR, BAR - 40, 58)
            add_drums(drums, bar, spec["drums"], crash=index == 0)
            bar += 1

    end = bar * BAR
    # The closing chord, held for a bar and rung out with a cymbal.
    root, intervals = chord(spec["final"])
    for interval in intervals[:3]:
        lead.note(0, 72 + (root + interval) % 12, end, BAR, 90)
        harmony.note(2, chord_voice(root + interval), end, BAR, 60)
    bass.note(1, 36 + root, end, BAR, 100)
    drums.note(DRUMS, 36, end, TICKS, 100)
    drums.note(DRUMS, 49, end, BAR, 100)
    end += BAR
    tracks = [conductor, lead, bass, harmony, drums]
    header = b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), TICKS)
    return header + b"".join(t.chunk(end) for t in tracks)


TUNES = {
    # the demonstration: an easy-going major tune, about a minute and a half
    "BLOCKDEM.MID": {
        "seed": 11, "bpm": 112, "key": 0, "minor": False,
        "lead": 11, "bass": 33, "harmony": 4, "drums": "steady",
        "bass_rhythm": (0, 3, 4, 6), "octave_eighths": (6,),
        "sections": {
            "A": ["C:maj", "A:min", "F:maj", "G:dom", "C:maj", "A:min", "D:min7", "G:dom"],
            "B": ["F:maj7", "G:dom", "E:min", "A:min", "D:min7", "G:dom", "C:maj", "C:maj"],
            "C": ["A:min", "F:maj", "C:maj", "G:maj", "A:min", "F:maj", "D:min", "G:dom"],
        },
        "form": ["A", "A", "B", "C", "A", "B"],
        "final": "C:maj",
    },
    # play: a quicker minor tune that pushes on, again about a minute and a half
    "BLOCKPLY.MID": {
        "seed": 23, "bpm": 132, "key": 9, "minor": True,
        "lead": 80, "bass": 38, "harmony": 4, "drums": "drive",
        "bass_rhythm": (0, 1, 2, 3, 4, 5, 6, 7), "octave_eighths": (1, 3, 5, 7),
        "sections": {
            "A": ["A:min", "F:maj", "G:maj", "A:min", "A:min", "F:maj", "G:maj", "E:maj"],
            "B": ["D:min", "G:maj", "C:maj", "F:maj", "D:min", "E:maj", "A:min", "E:maj"],
            "C": ["F:maj", "G:maj", "E:min", "A:min", "F:maj", "G:maj", "E:maj", "E:maj"],
        },
        "form": ["A", "A", "B", "A", "C", "B", "A"],
        "final": "A:min",
    },
    # game over: a short falling phrase and a last chord, some seven seconds
    "BLOCKEND.MID": {
        "seed": 5, "bpm": 96, "key": 0, "minor": True,
        "lead": 80, "bass": 38, "harmony": 4, "drums": "steady",
        "bass_rhythm": (0, 2, 4, 6),
        "sections": {"A": ["F:min", "G:maj"]},
        "form": ["A"],
        "final": "C:min",
    },
}

def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, spec in TUNES.items():
        with open(os.path.join(sys.argv[1], name), "wb") as out:
            out.write(tune(spec))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Vantrosk
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Makes the game's seven sound effects as 16-bit mono PCM WAV files.

Every sound is a sum of decaying sine partials, so the files come out the
same on every run and need nothing beyond Python's standard library.

    make_sounds.py OUTPUT_DIR
"""
import math
import os
import struct
import sys
import wave

RATE = 22050
PEAK = 0.7  # of full scale, leaving room when effects and music overlap


def tone(duration, partials, attack=0.004, pitch_glide=1.0):
    """Partials are (frequency, level, decay per second); the pitch may glide
    by the given factor over the sound's length."""
    count = int(duration * RATE)
    samples = []
    phases = [0.0] * len(partials)
    for n in range(count):
        t = n / RATE
        glide = pitch_glide ** (t / duration)
        value = 0.0
        for i, (frequency, level, decay) in enumerate(partials):
            phases[i] += 2 * math.pi * frequency * glide / RATE
            value += level * math.exp(-decay * t) * math.sin(phases[i])
        value *= min(1.0, t / attack) if attack > 0 else 1.0
        # A short fade at the very end so no sound stops with a click.
        value *= min(1.0, (count - n) / (0.01 * RATE))
        samples.append(value)
    return samples


def mix(*parts):
    """Each part is (start in seconds, samples)."""
    length = max(int(start * RATE) + len(samples) for start, samples in parts)
    out = [0.0] * length
    for start, samples in parts:
        offset = int(start * RATE)
        for i, value in enumerate(samples):
            out[offset + i] += value
    return out


def bell(frequency, duration):
    return tone(duration, [(frequency, 1.0, 3.0), (frequency * 2.0, 0.4, 5.0),
                           (frequency * 2.76, 0.25, 7.0), (frequency * 5.4, 0.1, 12.0)])


SOUNDS = {
    # the ball on the paddle's top: a round, rising "bop"
    "TOPPADL.WAV": lambda: tone(0.14, [(440, 1.0, 22), (880, 0.3, 35)], pitch_glide=1.3),
    # on the paddle's side: lower and falling
    "SIDEPADL.WAV": lambda: tone(0.12, [(330, 1.0, 25), (660, 0.35, 40), (990, 0.1, 60)], pitch_glide=0.85),
    # a wall: a short wooden tick
    "FRAME.WAV": lambda: tone(0.07, [(1250, 1.0, 70), (1870, 0.5, 90), (620, 0.4, 50)], attack=0.001),
    # a normal block: a bright pling
    "NORMBLC.WAV": lambda: tone(0.2, [(988, 1.0, 18), (1976, 0.35, 28), (2964, 0.1, 40)]),
    # a gold block, which never breaks: a metallic clang
    "GOLDBLC.WAV": lambda: tone(0.4, [(523, 1.0, 9), (1307, 0.6, 12), (2093, 0.4, 16), (2930, 0.3, 20)],
                                attack=0.002),
    # a silver block: a high, thin ting
    "SILVBLC.WAV": lambda: tone(0.3, [(1760, 1.0, 14), (2640, 0.4, 20), (3520, 0.15, 30)]),
    # the ball lost: three falling bells
    "chimes.wav": lambda: mix((0.0, bell(784, 0.9)), (0.28, bell(659, 0.9)), (0.56, bell(523, 1.1))),
}


def write_wav(path, samples):
    peak = max(abs(value) for value in samples) or 1.0
    scale = PEAK * 32767 / peak
    frames = b"".join(struct.pack("<h", int(round(value * scale))) for value in samples)
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    os.makedirs(sys.argv[1], exist_ok=True)
    for name, make in SOUNDS.items():
        write_wav(os.path.join(sys.argv[1], name), make())


if __name__ == "__main__":
    main()

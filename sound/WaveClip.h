// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A sound effect ready to play: mono 16-bit samples at the output's rate.
using WaveClip = std::vector<std::int16_t>;

// The longest effect: a file that runs on is cut here, so that however few
// bytes a second its format takes, its clip stays small (a 1000 Hz 8-bit
// file would otherwise decode to 44 times its own size).
constexpr int kMaxClipSeconds = 10;

// Decodes a RIFF WAVE file of 8- or 16-bit PCM, mono or stereo, at any
// rate, into a clip at the given rate, at most kMaxClipSeconds long.
// Nothing for anything else: the effect then sounds nothing.
std::optional<WaveClip> DecodeWaveClip(std::string_view bytes, int outputRate);

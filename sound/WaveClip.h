#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// A sound effect ready to play: mono 16-bit samples at the output's rate.
using WaveClip = std::vector<std::int16_t>;

// Decodes a RIFF WAVE file of 8- or 16-bit PCM, mono or stereo, at any
// rate, into a clip at the given rate. Nothing for anything else: the
// effect then sounds nothing.
std::optional<WaveClip> DecodeWaveClip(std::string_view bytes, int outputRate);

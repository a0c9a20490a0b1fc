// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes through the WAV decoder, at the program's rate and at a rate
// the fuzzer picks. A clip never runs past its bound, whatever the header
// claims.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "sound/WaveClip.h"

namespace {
void Check(std::string_view bytes, int outputRate) {
    const auto clip = DecodeWaveClip(bytes, outputRate);
    if (clip && clip->size() > static_cast<std::size_t>(outputRate) * kMaxClipSeconds) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes, 22050);
    // The first two bytes also choose an output rate: 1 to 65536.
    if (size >= 2) Check(bytes, 1 + (data[0] | data[1] << 8));
    return 0;
}

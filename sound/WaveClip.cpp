// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/WaveClip.h"

#include <algorithm>
#include <cstring>

namespace {
struct PcmFormat {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

template <typename T>
T ReadLittleEndian(std::string_view bytes, std::size_t at) {
    T value = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<T>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

bool Supported(const PcmFormat& format) {
    return (format.channels == 1 || format.channels == 2) && (format.bits == 8 || format.bits == 16) &&
           format.rate >= 1000 && format.rate <= 192000;
}

// One frame's channels mixed to a single signed 16-bit sample.
int MonoSample(std::string_view data, std::size_t frame, const PcmFormat& format) {
    const std::size_t bytesPerSample = format.bits / 8;
    int sum = 0;
    for (int channel = 0; channel < format.channels; ++channel) {
        const std::size_t at = (frame * format.channels + channel) * bytesPerSample;
        if (format.bits == 8)
            sum += (static_cast<unsigned char>(data[at]) - 128) * 256;  // 8-bit PCM is unsigned
        else
            sum += static_cast<std::int16_t>(ReadLittleEndian<std::uint16_t>(data, at));
    }
    return sum / format.channels;
}

WaveClip Resample(std::string_view data, const PcmFormat& format, int outputRate) {
    const std::size_t frames = data.size() / (format.channels * format.bits / 8);
    if (frames == 0) return {};
    const std::size_t outputFrames =
        std::min(frames * outputRate / format.rate, static_cast<std::size_t>(outputRate) * kMaxClipSeconds);
    WaveClip clip(outputFrames);
    for (std::size_t i = 0; i < outputFrames; ++i) {
        // Linear between the two nearest input frames.
        const double position = static_cast<double>(i) * format.rate / outputRate;
        const std::size_t before = static_cast<std::size_t>(position);
        const std::size_t after = std::min(before + 1, frames - 1);
        const double weight = position - before;
        clip[i] = static_cast<std::int16_t>(MonoSample(data, before, format) * (1 - weight) +
                                            MonoSample(data, after, format) * weight);
    }
    return clip;
}
}  // namespace

std::optional<WaveClip> DecodeWaveClip(std::string_view bytes, int outputRate) {
    if (outputRate <= 0 || bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return std::nullopt;
    std::optional<PcmFormat> format;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = ReadLittleEndian<std::uint32_t>(bytes, at + 4);
        const std::size_t body = at + 8;
        const std::size_t available = std::min(size, bytes.size() - body);
        if (id == "fmt " && available >= 16) {
            if (ReadLittleEndian<std::uint16_t>(bytes, body) != 1) return std::nullopt;  // not plain PCM
            format = PcmFormat{ReadLittleEndian<std::uint16_t>(bytes, body + 2),
                               static_cast<int>(ReadLittleEndian<std::uint32_t>(bytes, body + 4)),
                               ReadLittleEndian<std::uint16_t>(bytes, body + 14)};
            if (!Supported(*format)) return std::nullopt;
        } else if (id == "data") {
            if (!format) return std::nullopt;
            // A data chunk cut short by a truncated file plays as far as it goes.
            return Resample(bytes.substr(body, available), *format, outputRate);
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

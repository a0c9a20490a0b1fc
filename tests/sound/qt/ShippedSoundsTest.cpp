// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "sound/WaveClip.h"
#include "sound/qt/AudioOutput.h"

namespace {
// The fields of a WAV file's format chunk that playing depends on.
struct WaveFormat {
    std::uint16_t encoding = 0;  // 1: PCM
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t dataBytes = 0;
    double Seconds() const { return double(dataBytes) / (sampleRate * channels * bitsPerSample / 8); }
};

template <typename T>
T Read(const std::vector<char>& bytes, std::size_t at) {
    T value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

std::vector<char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

WaveFormat ReadWaveFormat(const std::string& path) {
    const std::vector<char> bytes = ReadBytes(path);
    WaveFormat format;
    if (bytes.size() < 12 || std::string(bytes.data(), 4) != "RIFF" || std::string(bytes.data() + 8, 4) != "WAVE")
        return format;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::string id(bytes.data() + at, 4);
        const auto size = Read<std::uint32_t>(bytes, at + 4);
        if (id == "fmt ") {
            format.encoding = Read<std::uint16_t>(bytes, at + 8);
            format.channels = Read<std::uint16_t>(bytes, at + 10);
            format.sampleRate = Read<std::uint32_t>(bytes, at + 12);
            format.bitsPerSample = Read<std::uint16_t>(bytes, at + 22);
        } else if (id == "data") {
            format.dataBytes = size;
        }
        at += 8 + size + (size & 1);
    }
    return format;
}

class ShippedSoundsTest : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedSoundsTest, IsShortSixteenBitPcmThatTheEffectPlayerLoads) {
    const QString path = QCoreApplication::applicationDirPath() + "/" + GetParam();
    const WaveFormat format = ReadWaveFormat(path.toStdString());
    EXPECT_EQ(format.encoding, 1);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_GE(format.sampleRate, 22050u);
    EXPECT_LE(format.sampleRate, 44100u);
    EXPECT_GT(format.Seconds(), 0.03);
    const bool lossChime = std::string(GetParam()) == "chimes.wav";
    EXPECT_LT(format.Seconds(), lossChime ? 2.0 : 0.5);

    const std::vector<char> bytes = ReadBytes(path.toStdString());
    const auto clip = DecodeWaveClip({bytes.data(), bytes.size()}, AudioOutput::kSampleRate);
    ASSERT_TRUE(clip.has_value());
    EXPECT_NEAR(clip->size(), format.Seconds() * AudioOutput::kSampleRate, 2);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedSoundsTest,
                         ::testing::Values("TOPPADL.WAV", "SIDEPADL.WAV", "FRAME.WAV", "NORMBLC.WAV", "GOLDBLC.WAV",
                                           "SILVBLC.WAV", "chimes.wav"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });
}  // namespace

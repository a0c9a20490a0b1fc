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
template <typename T>
T Read(const std::vector<char>& bytes, std::size_t at) {
    T value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

class ShippedSoundsTest : public ::testing::TestWithParam<const char*> {};

// The shipped files carry the plain 44-byte header: the format chunk, then the data.
TEST_P(ShippedSoundsTest, IsShortSixteenBitPcmThatTheEffectPlayerLoads) {
    std::ifstream in((QCoreApplication::applicationDirPath() + "/" + GetParam()).toStdString(), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_GE(bytes.size(), 44u);
    ASSERT_EQ(std::string(bytes.data(), 4) + std::string(bytes.data() + 8, 8) + std::string(bytes.data() + 36, 4),
              "RIFFWAVEfmt data");
    EXPECT_EQ(Read<std::uint16_t>(bytes, 20), 1) << "PCM";
    EXPECT_EQ(Read<std::uint16_t>(bytes, 34), 16) << "bits a sample";
    const auto rate = Read<std::uint32_t>(bytes, 24);
    EXPECT_GE(rate, 22050u);
    EXPECT_LE(rate, 44100u);
    const double seconds = Read<std::uint32_t>(bytes, 40) / (2.0 * rate * Read<std::uint16_t>(bytes, 22));
    EXPECT_GT(seconds, 0.03);
    EXPECT_LT(seconds, std::string(GetParam()) == "chimes.wav" ? 2.0 : 0.5) << "the loss chime may ring longer";

    const auto clip = DecodeWaveClip({bytes.data(), bytes.size()}, AudioOutput::kSampleRate);
    ASSERT_TRUE(clip.has_value());
    EXPECT_NEAR(clip->size(), seconds * AudioOutput::kSampleRate, 2);
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedSoundsTest,
                         ::testing::Values("TOPPADL.WAV", "SIDEPADL.WAV", "FRAME.WAV", "NORMBLC.WAV", "GOLDBLC.WAV",
                                           "SILVBLC.WAV", "chimes.wav"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });
}  // namespace

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/WaveClip.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {
void Put16(std::string& out, std::uint16_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// A chunk with the pad byte an odd size takes.
std::string Chunk(const std::string& id, const std::string& body) {
    std::string out = id;
    Put32(out, static_cast<std::uint32_t>(body.size()));
    return out + body + (body.size() % 2 != 0 ? std::string(1, '\0') : "");
}

std::string Format(int encoding, int channels, int rate, int bits) {
    std::string out;
    Put16(out, encoding);
    Put16(out, channels);
    Put32(out, rate);
    Put32(out, rate * channels * bits / 8);
    Put16(out, channels * bits / 8);
    Put16(out, bits);
    return Chunk("fmt ", out);
}

// The chunks come as given after "WAVE"; the usual file is Wave(...).
std::string Riff(const std::string& chunks) {
    std::string out = "RIFF";
    Put32(out, static_cast<std::uint32_t>(4 + chunks.size()));
    return out + "WAVE" + chunks;
}

std::string Wave(int encoding, int channels, int rate, int bits, const std::string& data) {
    return Riff(Format(encoding, channels, rate, bits) + Chunk("data", data));
}

TEST(WaveClipTest, PcmOfAnyRateAndWidthBecomesMonoAtTheOutputRate) {
    std::string stereo16;
    for (int frame = 0; frame < 4; ++frame) {
        Put16(stereo16, 1000);
        Put16(stereo16, static_cast<std::uint16_t>(-3000));
    }
    const auto clip = DecodeWaveClip(Wave(1, 2, 44100, 16, stereo16), 22050);
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(*clip, (WaveClip{-1000, -1000}));

    const auto bytes8 = DecodeWaveClip(Wave(1, 1, 11025, 8, std::string("\x80\xff", 2)), 22050);
    ASSERT_TRUE(bytes8.has_value());
    ASSERT_EQ(bytes8->size(), 4u);
    EXPECT_EQ(bytes8->front(), 0) << "8-bit samples are unsigned around 128";
    EXPECT_EQ(bytes8->at(2), 127 * 256);

    // Twenty seconds at 1000 Hz would be 441,000 samples; ten are kept.
    const auto long8 = DecodeWaveClip(Wave(1, 1, 1000, 8, std::string(20000, '\x80')), 22050);
    ASSERT_TRUE(long8.has_value());
    EXPECT_EQ(long8->size(), 22050u * kMaxClipSeconds);
}

TEST(WaveClipTest, AnythingElseIsNoClip) {
    EXPECT_FALSE(DecodeWaveClip("", 22050));
    EXPECT_FALSE(DecodeWaveClip("MThd\0\0\0\x06", 22050)) << "a MIDI file";
    EXPECT_FALSE(DecodeWaveClip(Wave(3, 1, 22050, 32, std::string(8, '\0')), 22050)) << "floating point";
    EXPECT_FALSE(DecodeWaveClip(Wave(1, 6, 22050, 16, std::string(12, '\0')), 22050)) << "surround";
    std::string cut = Wave(1, 1, 22050, 16, std::string(100, '\0'));
    cut.resize(cut.size() - 60);
    const auto truncated = DecodeWaveClip(cut, 22050);
    ASSERT_TRUE(truncated.has_value()) << "a cut-off file plays what it holds";
    EXPECT_EQ(truncated->size(), 20u);
    EXPECT_FALSE(DecodeWaveClip(Riff(Chunk("data", "\x80\x80") + Format(1, 1, 22050, 8)), 22050))
        << "data before its format";
}

// Rates from 1000 to 192000 Hz; chunks of any size, odd ones padded, before
// the data; a format chunk too short to hold the bit depth is passed over.
TEST(WaveClipTest, EveryChunkBeforeTheDataIsSteppedOverWholeAndOnlyRatesInRangeDecode) {
    const std::string data(400, '\x80');
    for (const auto& [rate, decodes] : {std::pair{999, false}, {1000, true}, {192000, true}, {192001, false}})
        EXPECT_EQ(DecodeWaveClip(Wave(1, 1, rate, 8, data), 22050).has_value(), decodes) << rate;
    const std::string shortFormat = Chunk("fmt ", Format(1, 1, 11025, 16).substr(8, 14));
    const auto clip = DecodeWaveClip(
        Riff(shortFormat + Chunk("LIST", "odd") + Format(1, 1, 11025, 8) + Chunk("data", data)), 22050);
    ASSERT_TRUE(clip.has_value());
    EXPECT_EQ(clip->size(), 800u);
}
}  // namespace

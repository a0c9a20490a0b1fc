// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "sound/qt/AudioOutput.h"
#include "sound/qt/FluidSynthMusicDevice.h"

namespace {
// What the offline synthesiser made of a tune.
struct Rendering {
    std::vector<std::int16_t> frames;  // interleaved stereo
    double sampleRate = 0;
    bool ended = false;  // the player reached the end by itself
};

std::string BesideTheProgram(const char* name) {
    return (QCoreApplication::applicationDirPath() + "/" + name).toStdString();
}

// Plays the tune through the file renderer, with no audio driver, the way
// the program's synthesiser is set up, for at most the given seconds.
Rendering Render(const std::string& midiPath, const std::string& rawPath, double mostSeconds) {
    fluid_settings_t* settings = AudioOutput::NewSettings();
    fluid_settings_setstr(settings, "audio.file.name", rawPath.c_str());
    fluid_settings_setstr(settings, "audio.file.type", "raw");
    fluid_settings_setstr(settings, "audio.file.format", "s16");
    fluid_settings_setstr(settings, "player.timing-source", "sample");
    fluid_synth_t* synth = new_fluid_synth(settings);
    EXPECT_NE(fluid_synth_sfload(synth, FluidSynthMusicDevice::SystemSoundFont().c_str(), 1), FLUID_FAILED);
    fluid_player_t* player = new_fluid_player(synth);
    EXPECT_EQ(fluid_player_add(player, midiPath.c_str()), FLUID_OK);
    fluid_player_play(player);

    Rendering result;
    fluid_settings_getnum(settings, "synth.sample-rate", &result.sampleRate);
    int periodSize = 0;
    fluid_settings_getint(settings, "audio.period-size", &periodSize);
    fluid_file_renderer_t* renderer = new_fluid_file_renderer(synth);
    const long mostBlocks = static_cast<long>(mostSeconds * result.sampleRate / periodSize);
    for (long block = 0; block < mostBlocks && fluid_player_get_status(player) == FLUID_PLAYER_PLAYING; ++block)
        fluid_file_renderer_process_block(renderer);
    result.ended = fluid_player_get_status(player) == FLUID_PLAYER_DONE;
    delete_fluid_file_renderer(renderer);
    delete_fluid_player(player);
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);

    std::ifstream raw(rawPath, std::ios::binary | std::ios::ate);
    result.frames.resize(static_cast<std::size_t>(raw.tellg()) / sizeof(std::int16_t));
    raw.seekg(0);
    raw.read(reinterpret_cast<char*>(result.frames.data()), static_cast<std::streamsize>(result.frames.size() * 2));
    return result;
}

// The loudness of every whole second, in decibels below full scale.
std::vector<double> LoudnessPerSecond(const Rendering& tune) {
    const std::size_t second = static_cast<std::size_t>(tune.sampleRate) * 2;
    std::vector<double> levels;
    for (std::size_t start = 0; start + second <= tune.frames.size(); start += second) {
        double sum = 0;
        for (std::size_t i = start; i < start + second; ++i) sum += double(tune.frames[i]) * tune.frames[i];
        levels.push_back(10 * std::log10(sum / second / (32768.0 * 32768.0) + 1e-12));
    }
    return levels;
}

struct TuneCase {
    const char* name;
    double shortest;  // seconds
    double longest;
};

void PrintTo(const TuneCase& tune, std::ostream* out) { *out << tune.name; }

class ShippedTunesTest : public ::testing::TestWithParam<TuneCase> {};

TEST_P(ShippedTunesTest, PlaysAudiblyThroughoutAndThenEnds) {
    const TuneCase& tune = GetParam();
    QTemporaryDir scratch;
    const Rendering rendering =
        Render(BesideTheProgram(tune.name), (scratch.path() + "/tune.raw").toStdString(), tune.longest + 30);
    ASSERT_TRUE(rendering.ended) << "the tune does not end";

    // Audible from the first second to the last, then only the fading tail
    // of the last notes until the player stops.
    const std::vector<double> levels = LoudnessPerSecond(rendering);
    constexpr double kAudible = -40.0;
    std::size_t audible = 0;
    while (audible < levels.size() && levels[audible] > kAudible) ++audible;
    EXPECT_GE(audible, tune.shortest) << tune.name << " falls silent after " << audible << " s";
    EXPECT_LE(audible, tune.longest);
    for (std::size_t second = audible; second < levels.size(); ++second)
        EXPECT_LE(levels[second], kAudible) << "second " << second << " of " << tune.name << " sounds after a gap";
}

INSTANTIATE_TEST_SUITE_P(Shipped, ShippedTunesTest,
                         ::testing::Values(TuneCase{"BLOCKDEM.MID", 60, 120}, TuneCase{"BLOCKPLY.MID", 60, 120},
                                           TuneCase{"BLOCKEND.MID", 3, 9}),
                         [](const auto& info) { return std::string(info.param.name).substr(0, 8); });
}  // namespace

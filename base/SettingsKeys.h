// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// Every key the program keeps, all in the one section named after the program.
namespace Settings {
inline constexpr std::string_view kSection = "Zembrovaltine";

inline constexpr std::string_view kPattern = "Pattern";
inline constexpr std::string_view kZoom = "Zoom";
inline constexpr std::string_view kSound = "Sound";
inline constexpr std::string_view kSpeed = "Speed";
inline constexpr std::string_view kUse = "Use";
inline constexpr std::string_view kHideCursor = "HideCursor";
inline constexpr std::string_view kToolbar = "Toolbar";
inline constexpr std::string_view kStatusBar = "StatusBar";
// Smooth motion of the ball between ticks: 1 on, 0 off.
inline constexpr std::string_view kSmooth = "Smooth";
inline constexpr std::string_view kLeft = "Xl";
inline constexpr std::string_view kTop = "Yu";

// Effect files in SoundEvent order, music files in MusicScene order.
inline constexpr std::string_view kEffectKeys[] = {
    "PaddleTopWave",   "PaddleSideWave",  "FrameWave", "NormalBlockWave",
    "GoldBlockWave",   "SilverBlockWave", "FailWave",
};
inline constexpr std::string_view kMusicKeys[] = {"MidiDemo", "MidiPlay", "MidiGameOver"};

// Defaults of the keys whose default is a plain value.
inline constexpr int kDefaultZoom = 2;
inline constexpr int kDefaultSound = 3;
inline constexpr int kDefaultSpeed = 1;
inline constexpr int kDefaultPosition = 0;
inline constexpr int kDefaultSmooth = 0;
inline constexpr std::string_view kDefaultBar = "On";
inline constexpr std::string_view kMusicNotSet = ".";
inline constexpr std::string_view kDefaultPatternFile = "SYSTEM.BLC";

// Bits of "Sound".
inline constexpr int kSoundMusicBit = 1;
inline constexpr int kSoundEffectsBit = 2;

// On/off and control texts; only the exact texts count.
inline constexpr std::string_view kOn = "On";
inline constexpr std::string_view kOff = "Off";
inline constexpr std::string_view kKeyboard = "Keyboard";
inline constexpr std::string_view kMouse = "Mouse";

// The best score of a stage set, by the set's title.
inline std::string HighScoreKey(std::string_view title) {
    return "HighScore(" + std::string(title) + ")";
}
}  // namespace Settings

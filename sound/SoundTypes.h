// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tick's collision event; its value minus one is the effect slot.
enum class SoundEvent : int {
    None = 0,
    PaddleTop = 1,
    PaddleSide = 2,
    Frame = 3,
    NormalBlock = 4,
    GoldBlock = 5,
    SilverBlock = 6,
    Fail = 7,
};
inline constexpr int kSoundEventCount = 7;

enum class MusicScene { Demo = 0, Play = 1, GameOver = 2 };
inline constexpr int kMusicSceneCount = 3;

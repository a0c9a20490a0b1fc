// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/EffectPaths.h"

#include <gtest/gtest.h>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"

namespace {
TEST(EffectPathsTest, DefaultsLieBesideTheProgramAndStoredPathsCountEvenWhenEmpty) {
    MemorySettingsStore settings;
    EffectPaths paths;
    paths.Load(settings, "/opt/zembro/");
    EXPECT_EQ(paths.PathOf(SoundEvent::PaddleTop), "/opt/zembro/TOPPADL.WAV");
    EXPECT_EQ(paths.PathOf(SoundEvent::SilverBlock), "/opt/zembro/SILVBLC.WAV");
    EXPECT_EQ(paths.PathOf(SoundEvent::Fail), "/opt/zembro/chimes.wav");
    EXPECT_TRUE(settings.Values().empty());

    settings.WriteString(Settings::kSection, "FrameWave", "/home/player/wall.wav");
    settings.WriteString(Settings::kSection, "FailWave", "");
    paths.Load(settings, "/opt/zembro/");
    EXPECT_EQ(paths.PathOf(SoundEvent::Frame), "/home/player/wall.wav");
    EXPECT_EQ(paths.PathOf(SoundEvent::Fail), "") << "an empty path sounds nothing";
    EXPECT_EQ(paths.PathOf(SoundEvent::GoldBlock), "/opt/zembro/GOLDBLC.WAV");
}
}  // namespace

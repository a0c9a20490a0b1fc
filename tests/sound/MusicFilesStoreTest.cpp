// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MusicFilesStore.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"

using ::testing::ElementsAre;

namespace {
std::string Stored(SettingsStore& settings, int slot) {
    return settings.ReadString(Settings::kSection, Settings::kMusicKeys[slot], "(none)");
}

TEST(MusicFilesStoreTest, StoresTheValidTextsAndReportsTheMissingOnesInSceneOrder) {
    MemorySettingsStore settings;
    MusicPathTable table = {"/old/demo.mid", "/old/play.mid", "/old/end.mid"};
    std::vector<std::string> reported;
    const bool stored = StoreMusicFiles({"/gone/demo.mid", "/gone/play.mid", "/here/end.mid"}, table, settings,
                                        [](const std::string& path) { return path.starts_with("/gone/"); },
                                        [&](const std::string& path) { reported.push_back(path); });
    EXPECT_FALSE(stored);
    EXPECT_THAT(reported, ElementsAre("/gone/demo.mid", "/gone/play.mid"));
    EXPECT_THAT(table, ElementsAre("/old/demo.mid", "/old/play.mid", "/here/end.mid"));
    EXPECT_EQ(Stored(settings, 0), "(none)");
    EXPECT_EQ(Stored(settings, 2), "/here/end.mid");
}

TEST(MusicFilesStoreTest, AnEmptyTextIsStoredAsNoMusicWithoutLookingForAFile) {
    MemorySettingsStore settings;
    MusicPathTable table = {"a", "b", "c"};
    int looked = 0;
    const bool stored = StoreMusicFiles({"", "", ""}, table, settings,
                                        [&](const std::string&) { return ++looked, true; }, [](const std::string&) {});
    EXPECT_TRUE(stored);
    EXPECT_EQ(looked, 0);
    EXPECT_THAT(table, ElementsAre("", "", ""));
    EXPECT_EQ(Stored(settings, 1), "");
}
}  // namespace

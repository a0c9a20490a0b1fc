// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/Zoom.h"

#include <gtest/gtest.h>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "base/ZoomFitsScreen.h"

namespace {
struct FixedScreen : ScreenInfo {
    explicit FixedScreen(int width) : width(width) {}
    int PrimaryScreenWidth() const override { return width; }
    int width;
};

int Applied(int stored, int screenWidth, MemorySettingsStore& settings) {
    return ApplyZoom(stored, FixedScreen(screenWidth), settings).zoom;
}

TEST(ZoomTest, LevelsAreClampedLoweredToTheScreenAndWrittenBack) {
    MemorySettingsStore settings;
    const auto stored = [&] { return settings.ReadInt(Settings::kSection, Settings::kZoom, -1); };
    EXPECT_EQ(Applied(2, 1920, settings), 2);
    EXPECT_EQ(Applied(4, 1024, settings), 4);
    EXPECT_EQ(Applied(4, 800, settings), 3);
    EXPECT_EQ(stored(), 3);
    EXPECT_EQ(Applied(4, 640, settings), 2) << "both lowering steps apply";
    EXPECT_EQ(stored(), 2);
    EXPECT_EQ(Applied(3, 767, settings), 2);
    EXPECT_EQ(Applied(0, 1920, settings), 2);
    EXPECT_EQ(Applied(-5, 1920, settings), 2);
    EXPECT_EQ(Applied(9, 1920, settings), 4);
    EXPECT_EQ(Applied(9, 900, settings), 3);
    EXPECT_EQ(stored(), 3);
    // The Zoom dialog offers a level from the same widths that keep a stored one.
    for (const int width : {767, 768, 1023, 1024})
        for (const int level : {2, 3, 4})
            EXPECT_EQ(ZoomFitsScreen(level, width), Applied(level, width, settings) == level) << level << " " << width;
}

TEST(ZoomTest, ConversionsRoundTowardZero) {
    EXPECT_EQ(LogicalToPixel(100, 2), 66);
    EXPECT_EQ(PixelToLogical(100, 2), 168);
    EXPECT_EQ(PixelToLogical(101, 3), 102);  // 134.67 -> 134
    EXPECT_EQ(PixelToLogical(-7, 3), -41) << "-9.33 rounds up to -9 before the frame is taken off";
    EXPECT_EQ(LogicalToPixel(-35, 3), -2);
}
}  // namespace

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/StatusTexts.h"

#include <gtest/gtest.h>

TEST(StatusTextsTest, PanesShowRightAlignedNumbersForThePlayer) {
    // Stage 0 and three balls are read off the main window's panes.
    EXPECT_EQ(StatusTexts::Stage(9), "ステージ  10");  // stages count from 1
    EXPECT_EQ(StatusTexts::HighScore(65535), "最高得点  65535");
    EXPECT_EQ(StatusTexts::Score(0), "得点      0");
    EXPECT_EQ(StatusTexts::Score(1234), "得点   1234");
    EXPECT_EQ(StatusTexts::BallsLeft(50), "残りボール  49");  // the ball in play is not in reserve
    EXPECT_EQ(StatusTexts::BallsLeft(1), "残りボール   0");
}

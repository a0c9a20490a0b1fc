// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/SkilledPlayer.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "tests/engine/SessionFixture.h"

namespace {
TEST(SkilledPlayerTest, ForecastFollowsWallsAndCeilingToTheContactLine) {
    EXPECT_EQ(ForecastContactX({500, 400, 2, 5}), 542) << "21 sub-steps straight down to y 505";
    EXPECT_EQ(ForecastContactX({940, 480, 6, 4}), 922) << "off the right wall first";
    EXPECT_EQ(ForecastContactX({948, 500, 6, 5}), 954) << "the paddle sees x before the wall moves it";
    EXPECT_EQ(ForecastContactX({100, 100, 0, -6}), 100) << "up to the ceiling and back down";
    EXPECT_FALSE(ForecastContactX({500, 530, 2, 5})) << "already past the paddle";
}

using PlayerFixture = SessionFixture;

TEST_F(PlayerFixture, PaddleMeetsTheBallAtTheDrawnOffsetAndANewOneAfterEachReturn) {
    std::mt19937 expected(7);
    auto nextOffset = [&] { return -48 + static_cast<int>(expected() % 96); };
    SkilledPlayer player(7);
    const int first = nextOffset();
    EXPECT_EQ(player.Offset(), first);

    Throw(500, 400, 2, 5);
    EXPECT_EQ(player.PaddleTargetFor(session), 542 - first);
    Throw(520, 200, 2, -5);  // turned back by a block inside the grid: same offset
    player.PaddleTargetFor(session);
    EXPECT_EQ(player.Offset(), first);
    Throw(520, 300, 2, 5);
    player.PaddleTargetFor(session);
    Throw(560, 490, 2, -5);  // returned by the paddle: a fresh offset
    player.PaddleTargetFor(session);
    EXPECT_EQ(player.Offset(), nextOffset());

    // Beside a wall the paddle stops where a flying ball still sees it.
    for (int x : {10, 950}) {
        Throw(x, 500, 0, 5);
        const int target = player.PaddleTargetFor(session);
        EXPECT_GE(target, 41);
        EXPECT_LE(target, 918);
        EXPECT_GE(x - target, -48) << "still on the paddle";
        EXPECT_LT(x - target, 48);
    }
}

// With the real ball step: the player keeps the ball and sends it off at
// many angles, and a stage of two rows of blocks gets cleared.
TEST_F(PlayerFixture, PlaysAStageWithoutLosingTheBall) {
    doc.m_nStage = 0;
    for (int column = 0; column < kGridColumns; ++column) {
        doc.SetCell(column, 1, 4);
        doc.SetCell(column, 2, column % 3 == 0 ? BlockKind::Silver : 9);
    }
    doc.SetCell(7, 5, BlockKind::Silver);
    doc.SetCell(7, 4, BlockKind::Gold);
    Set(session, &SessionState::speed, 3);
    session.StartGame();
    session.LaunchBall();
    SkilledPlayer player(3);
    std::set<int> launchAngles;
    bool cleared = false;
    for (int tick = 0; tick < 20000 && !cleared; ++tick) {
        const int dyBefore = session.State().ballDY;
        platform.input.zoom = 4;
        platform.input.pointerClientX = player.PaddleTargetFor(session) + Playfield::kFrame;
        session.OnGameTick(GameSession::kTimerId);
        ASSERT_EQ(session.State().ballsLeft, 3) << "lost a ball at tick " << tick;
        if (dyBefore > 0 && session.State().ballDY < 0 && session.State().ballY > 400) launchAngles.insert(session.State().ballDX);
        cleared = doc.CurrentStage() == 1;
    }
    EXPECT_TRUE(cleared);
    EXPECT_GE(launchAngles.size(), 8u);
}
}  // namespace

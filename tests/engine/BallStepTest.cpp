// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "engine/BallFlight.h"
#include "engine/BallStep.h"
#include "engine/BallSubStep.h"
#include "engine/ClassicRandom.h"
#include "engine/PaddleBounce.h"
#include "engine/SessionState.h"
#include "stages/CBlockDoc.h"
#include "tests/engine/FakePlatform.h"

// The scenarios of the trace tool (tests/tools/scenarios) run whole ticks of
// this step and pin every tick's ball, score, best score, blocks left, event
// and changed cells: a paddle return from where the sub-step began, a late
// paddle, a lost ball, the walls and ceiling, a normal block's hit, silver's
// three hits and a score that wraps. Here the edges and effects they leave out.
namespace {
using Ball = std::tuple<int, int, int, int>;  // x, y, dx, dy

class BallStepTest : public ::testing::Test {
protected:
    void SetUp() override {
        game.ballState = BallState::InFlight;
        game.blocksLeft = 100;
    }
    // Puts the ball at (x, y), moving by (dx, dy) each sub-step.
    void Throw(int x, int y, int dx, int dy) {
        game.ballX = x;
        game.ballY = y;
        game.ballDX = dx;
        game.ballDY = dy;
    }
    Ball Now() const { return {game.ballX, game.ballY, game.ballDX, game.ballDY}; }
    // One sub-step from the given ball, as the tick would run it.
    Ball SubStepFrom(int x, int y, int dx, int dy) {
        Throw(x, y, dx, dy);
        game.lastEvent = SoundEvent::None;
        EXPECT_EQ(StepBallOnce(flight), SubStepEnd::Flying);
        return Now();
    }
    void Place(int row, int column, int kind) { doc.SetCell(column, row, kind); }
    std::uint8_t CellByte(int row, int column) const { return static_cast<std::uint8_t>(doc.Cell(column, row)); }
    bool Logged(const std::string& line) const {
        return std::find(platform.log.begin(), platform.log.end(), line) != platform.log.end();
    }

    CBlockDoc doc;
    FakePlatform platform;
    SessionState game;
    ClassicRandom random;
    BallFlight flight{game, doc, random, platform, platform};
};

TEST_F(BallStepTest, PaddleTopReturnsTheBallByWhereItLandsEvenWhenItArrivesLate) {
    // The ball lands 47 units right of the centre: the flattest right bounce.
    EXPECT_EQ(SubStepFrom(559, 500, 0, 6), Ball(565, 498, 6, -1));
    EXPECT_EQ(game.lastEvent, SoundEvent::PaddleTop);
    // 48 units right is past the paddle's reach.
    EXPECT_EQ(SubStepFrom(560, 500, 0, 6), Ball(560, 506, 0, 6));
    EXPECT_EQ(game.lastEvent, SoundEvent::None);
    // One unit left of the centre goes straight up.
    EXPECT_EQ(SubStepFrom(511, 500, 0, 6), Ball(511, 498, 0, -6));

    // The straight-up zone is -1..0, so the left side is one unit wider.
    EXPECT_EQ(PaddleTopVelocity(-48), (BallVelocity{-6, -1}));
    EXPECT_EQ(PaddleTopVelocity(-2), (BallVelocity{-1, -5}));
    EXPECT_EQ(PaddleTopVelocity(0), (BallVelocity{0, -6}));
    EXPECT_EQ(PaddleTopVelocity(2), (BallVelocity{1, -5}));
    EXPECT_EQ(PaddleTopVelocity(3), (BallVelocity{2, -5}));

    // Up to 524 at the start of a sub-step the ball can still be saved.
    EXPECT_EQ(SubStepFrom(512, 524, 0, 6), Ball(512, 498, 0, -6));
    EXPECT_EQ(SubStepFrom(512, 525, 0, 6), Ball(512, 531, 0, 6));
}

TEST_F(BallStepTest, PaddleSidesKnockTheBallBackButLetItFall) {
    // Right edge meets the left side (472) after a late, deep fall, or reached it this very move.
    EXPECT_EQ(SubStepFrom(460, 526, 4, 2), Ball(456, 528, -4, 2));
    EXPECT_EQ(SubStepFrom(464, 526, 4, 2), Ball(460, 528, -4, 2));
    EXPECT_EQ(game.lastEvent, SoundEvent::PaddleSide);
    // Left edge meets the right side (552).
    EXPECT_EQ(SubStepFrom(564, 526, -4, 2), Ball(568, 528, 4, 2));
    EXPECT_EQ(game.lastEvent, SoundEvent::PaddleSide);
    // An edge already past the side, or a ball above the band, is not touched.
    EXPECT_EQ(SubStepFrom(466, 526, 4, 2), Ball(470, 528, 4, 2));
    EXPECT_EQ(SubStepFrom(460, 540, 4, -6), Ball(464, 534, 4, -6));
    EXPECT_EQ(SubStepFrom(460, 508, 4, -2), Ball(464, 506, 4, -2)) << "the band begins below 506";
    EXPECT_EQ(game.lastEvent, SoundEvent::None);
}

TEST_F(BallStepTest, FallingPastTheFloorLineLosesTheBallAtOnce) {
    game.speed = 3;
    platform.recordDrawing = true;
    Throw(300, 540, 0, 4);
    EXPECT_EQ(StepBall(flight), StepOutcome::BallLost);
    EXPECT_EQ(Now(), Ball(300, 544, 0, 4));  // no further sub-steps
    EXPECT_EQ(game.lastEvent, SoundEvent::Fail);
    EXPECT_EQ(platform.log, std::vector<std::string>{"erase ball (300,540)"});
}

TEST_F(BallStepTest, NormalBlocksBreakAndScoreByRow) {
    platform.recordDrawing = true;
    game.highScore = 11;  // equalled by the first block, beaten by the second
    Place(1, 1, 5);
    EXPECT_EQ(SubStepFrom(92, 76, 4, -6), Ball(96, 74, 4, 6));
    EXPECT_TRUE(Logged("cell 1:1"));
    EXPECT_TRUE(Logged("score 11"));
    EXPECT_FALSE(Logged("high 11"));

    // Into the left face of row 3, column 5.
    Place(3, 5, 7);
    EXPECT_EQ(SubStepFrom(311, 110, 6, -2), Ball(307, 108, -6, -2));
    EXPECT_EQ(game.score, 20);
    EXPECT_TRUE(Logged("high 20"));

    // Falling onto a top face.
    Place(5, 3, 2);
    EXPECT_EQ(SubStepFrom(220, 146, 0, 6), Ball(220, 152, 0, -6));
    EXPECT_EQ(game.score, 27);

    // A side face met by the trailing edge's row, beside the ball's path.
    Place(3, 5, 7);
    EXPECT_EQ(SubStepFrom(310, 89, 6, -2), Ball(308, 87, -6, -2));
    EXPECT_EQ(game.score, 36);

    Place(11, 3, 1);
    SubStepFrom(224, 396, 0, -6);
    EXPECT_EQ(game.score, 37);  // bottom row: 1
}

TEST_F(BallStepTest, OnlyExposedFacesReflect) {
    // A corner entry through two exposed faces reverses both components.
    Place(3, 5, 1);
    EXPECT_EQ(SubStepFrom(310, 136, 6, -6), Ball(308, 142, -6, 6));
    EXPECT_EQ(CellByte(3, 5), 0x01);

    // The block below covers the bottom face: only the side reflects.
    Place(3, 5, 1);
    Place(4, 5, 1);
    EXPECT_EQ(SubStepFrom(310, 136, 6, -6), Ball(308, 130, -6, -6));

    // The block to the left covers the side face (and is itself covered
    // below, so it is not hit): only the bottom face reflects.
    doc.DeleteContents();
    Place(3, 4, 1);
    Place(4, 4, 1);
    Place(3, 5, 1);
    EXPECT_EQ(SubStepFrom(310, 136, 6, -6), Ball(316, 142, 6, 6));
    EXPECT_EQ(CellByte(3, 5), 0x01);
    EXPECT_EQ(CellByte(3, 4), 0x21);

    // One contact a sub-step: after a top-edge hit the trailing edge is not
    // tried on the block beside it, nor below the grid on the last row.
    doc.DeleteContents();
    Place(2, 4, 1);
    Place(2, 5, 1);
    EXPECT_EQ(SubStepFrom(308, 106, 6, -6), Ball(314, 108, 6, 6));
    Place(11, 5, 1);
    EXPECT_EQ(SubStepFrom(310, 388, 6, 6), Ball(316, 394, 6, 6));
    EXPECT_EQ(CellByte(2, 5), 0x21);
    EXPECT_EQ(CellByte(11, 5), 0x21);
}

TEST_F(BallStepTest, GoldReflectsAndSometimesNudges) {
    Place(1, 1, BlockKind::Gold);
    // Seeds whose first draw gives each kind of nudge.
    auto seedDrawing = [](int wanted) {
        for (std::uint32_t seed = 1;; ++seed) {
            ClassicRandom probe;
            probe.Seed(seed);
            if (probe.Next() % 12 == wanted) return seed;
        }
    };
    auto hitGold = [&](int dx, int nudge) {
        random.Seed(seedDrawing(nudge));
        SubStepFrom(96 - dx, 76, dx, -6);
        return game.ballDX;
    };
    EXPECT_EQ(hitGold(4, 1), 5);
    EXPECT_EQ(hitGold(4, 0), 3);
    EXPECT_EQ(hitGold(4, 7), 4);
    EXPECT_EQ(hitGold(6, 1), 6);    // never past 6
    EXPECT_EQ(hitGold(-6, 0), -6);  // nor past -6
    EXPECT_EQ(hitGold(-1, 1), -1);  // never to 0 ...
    EXPECT_EQ(hitGold(1, 0), 1);
    EXPECT_EQ(hitGold(0, 1), 1);  // ... and a straight ball starts to lean

    EXPECT_EQ(std::get<1>(Now()), 74);
    EXPECT_EQ(game.ballDY, 6);
    EXPECT_EQ(game.lastEvent, SoundEvent::GoldBlock);
    EXPECT_EQ(CellByte(1, 1), 0x2D);
    EXPECT_EQ(game.score, 0);
    EXPECT_EQ(game.blocksLeft, 100);
}

TEST_F(BallStepTest, DemoAlwaysReturnsTheBallAndKeepsThePanesStill) {
    game.mode = GameMode::Demo;
    game.paddleX = 100;
    EXPECT_EQ(SubStepFrom(800, 500, 3, 6), Ball(803, 498, 3, -6));
    EXPECT_EQ(game.lastEvent, SoundEvent::PaddleTop);

    game.highScore = 5;
    Place(1, 1, 3);
    SubStepFrom(92, 76, 4, -6);
    EXPECT_EQ(game.score, 11);
    EXPECT_EQ(game.highScore, 5);
    EXPECT_TRUE(platform.log.empty());
}

// The right wall and the ceiling turn a ball that reaches their limits; the
// left wall one that passes its limit (x 8) only.
TEST_F(BallStepTest, TheLeftWallTurnsOnlyABallPastItsLimit) {
    EXPECT_EQ(SubStepFrom(14, 300, -6, -6), Ball(8, 294, -6, -6));
    EXPECT_EQ(SubStepFrom(13, 300, -6, -6), Ball(9, 294, 6, -6));
}

TEST_F(BallStepTest, TickRunsSpeedPlusTwoSubStepsAndDrawsOnce) {
    platform.recordDrawing = true;
    game.speed = 3;
    game.lastEvent = SoundEvent::Frame;  // left from an earlier tick
    Throw(300, 300, 6, -6);
    EXPECT_EQ(StepBall(flight), StepOutcome::BallInPlay);
    EXPECT_EQ(Now(), Ball(330, 270, 6, -6));
    EXPECT_EQ(game.lastEvent, SoundEvent::None);
    EXPECT_EQ(platform.log, std::vector<std::string>{"ball (300,300)->(330,270)"});
}
}  // namespace

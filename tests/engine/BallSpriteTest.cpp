// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <vector>

#include "engine/BallSprite.h"

namespace {
std::vector<Rect> StripsOf(const BallSpriteMove& move) { return {move.Strips().begin(), move.Strips().end()}; }

TEST(BallSpriteTest, UncoveredPartOfTheOldSquareIsPaintedInTwoStrips) {
    // 100 %: the ball at (100, 100) covers pixels 124..139 on both axes.
    const BallSpriteMove upRight = PlanBallSpriteMove({100, 100}, {104, 96}, 4);
    EXPECT_EQ(upRight.blit, (Rect{128, 120, 16, 16}));
    EXPECT_EQ(StripsOf(upRight), (std::vector<Rect>{{124, 124, 4, 16}, {124, 136, 16, 4}}));

    const BallSpriteMove downLeft = PlanBallSpriteMove({100, 100}, {94, 106}, 4);
    EXPECT_EQ(downLeft.blit, (Rect{118, 130, 16, 16}));
    EXPECT_EQ(StripsOf(downLeft), (std::vector<Rect>{{134, 124, 6, 16}, {124, 124, 16, 6}}));

    // Straight up: one strip; standing still: none.
    EXPECT_EQ(StripsOf(PlanBallSpriteMove({100, 100}, {100, 94}, 4)), (std::vector<Rect>{{124, 134, 16, 6}}));
    EXPECT_TRUE(PlanBallSpriteMove({100, 100}, {100, 100}, 4).Strips().empty());

    // A move longer than the sprite: the strip runs from the old corner to the new one.
    EXPECT_EQ(StripsOf(PlanBallSpriteMove({100, 300}, {130, 300}, 4)), (std::vector<Rect>{{124, 324, 30, 16}}));
}

TEST(BallSpriteTest, PixelsRoundTowardZeroAtEveryZoom) {
    // 75 %: 3 * 33 / 4 = 24.75 -> 24 and 3 * 34 / 4 = 25.5 -> 25; the side is 12.
    const BallSpriteMove move = PlanBallSpriteMove({9, 9}, {10, 10}, 3);
    EXPECT_EQ(move.blit, (Rect{25, 25, 12, 12}));
    EXPECT_EQ(StripsOf(move), (std::vector<Rect>{{24, 24, 1, 12}, {24, 24, 12, 1}}));

    // 50 %: a square of 8.
    EXPECT_EQ(PlanBallSpriteMove({512, 504}, {516, 500}, 2).blit, (Rect{270, 262, 8, 8}));

    // Left of the frame's edge, toward zero is not down: -18 / 4 gives -4.
    EXPECT_EQ(BallSquare({-30, 8}, 3), (Rect{-4, 24, 12, 12}));
    EXPECT_EQ(BallSquare({300, 540}, 4), (Rect{324, 564, 16, 16}));
}
}  // namespace

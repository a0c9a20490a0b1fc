// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/DrawGeometry.h"

#include <gtest/gtest.h>

// Clip boxes, the paddle's strip and the editor's lines are checked on the
// view's pixels; here what those tests cannot see.
TEST(DrawGeometryTest, AClipBoxOnTheRightWallAtThreeQuartersTakesNoTopWallColumn) {
    const TileRanges ranges = TileRangesOfClipBox({744, 0, 24, 456}, 3);
    EXPECT_GT(ranges.firstColumn, ranges.lastColumn);
    EXPECT_EQ(ranges.firstRow, 0);
    EXPECT_EQ(ranges.lastRow, 8);
}

// The view's pixel tests draw cells at 50 % and 75 % and repaint part of
// the top wall; the far cell and the last tile of each wall here.
TEST(DrawGeometryTest, TheLastCellAndWallTilesLieOnTheZoomedGrid) {
    EXPECT_EQ(CellOrigin(14, 11, 4), (PixelPoint{928, 384}));
    const ZoomLevel half = ZoomLevel::For(2);
    EXPECT_EQ(TopWallTile(14, half), (Rect{464, 0, 32, 16}));
    EXPECT_EQ(LeftWallTile(8, half), (Rect{0, 272, 16, 32}));
    EXPECT_EQ(RightWallTile(0, half), (Rect{496, 16, 16, 32}));
    EXPECT_EQ(RightCorner(half), (Rect{496, 0, 16, 16}));
}

TEST(DrawGeometryTest, TheServingBallRoundsEachEdgeApartAtThreeQuarters) {
    const SpriteMove ball = ServingBallMove(100, 120, ZoomLevel::For(3));
    EXPECT_EQ(ball.picture, (Rect{108, 396, 12, 12}));
    EXPECT_EQ(ball.uncovered, (Rect{93, 396, 15, 12}));  // pixels of 124 and 144 round down apart
}

TEST(DrawGeometryTest, LinesLeaveOutTheirEndPointInEitherDirection) {
    EXPECT_EQ(LinePixels({10, 5}, {20, 5}), (Rect{10, 5, 10, 1}));
    EXPECT_EQ(LinePixels({20, 5}, {10, 5}), (Rect{11, 5, 10, 1}));
    EXPECT_EQ(LinePixels({3, 10}, {3, 4}), (Rect{3, 5, 1, 6}));
    EXPECT_EQ(LinePixels({3, 4}, {3, 4}).width, 0);
}

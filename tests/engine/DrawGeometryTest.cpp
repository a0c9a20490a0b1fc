#include "engine/DrawGeometry.h"

#include <gtest/gtest.h>

namespace {
void ExpectRanges(const TileRanges& ranges, int firstColumn, int lastColumn, int firstRow, int lastRow) {
    EXPECT_EQ(ranges.firstColumn, firstColumn);
    EXPECT_EQ(ranges.lastColumn, lastColumn);
    EXPECT_EQ(ranges.firstRow, firstRow);
    EXPECT_EQ(ranges.lastRow, lastRow);
}
}  // namespace

TEST(DrawGeometryTest, ClipBoxesSelectTheFrameTilesTheyTouch) {
    ExpectRanges(TileRangesOfClipBox({0, 0, 1024, 608}, 4), 0, 14, 0, 8);
    ExpectRanges(TileRangesOfClipBox({0, 0, 512, 304}, 2), 0, 14, 0, 8);
    // On the right wall only: no column of the top wall is in range.
    ExpectRanges(TileRangesOfClipBox({992, 0, 32, 608}, 4), 15, 14, 0, 8);
    ExpectRanges(TileRangesOfClipBox({744, 0, 24, 456}, 3), 15, 14, 0, 8);
    // Low in the interior: neither the top wall nor the corners.
    ExpectRanges(TileRangesOfClipBox({300, 400, 40, 20}, 4), 4, 4, 5, 6);
}

TEST(DrawGeometryTest, CellsAndWallTilesLieOnTheZoomedGrid) {
    EXPECT_EQ(CellOrigin(0, 0, 2), (PixelPoint{16, 16}));
    EXPECT_EQ(CellOrigin(1, 1, 2), (PixelPoint{48, 32}));
    EXPECT_EQ(CellOrigin(0, 0, 3), (PixelPoint{24, 24}));
    EXPECT_EQ(CellOrigin(14, 11, 3), (PixelPoint{696, 288}));
    EXPECT_EQ(CellOrigin(14, 11, 4), (PixelPoint{928, 384}));

    const ZoomLevel half = ZoomLevel::For(2);
    EXPECT_EQ(TopWallTile(14, half), (Rect{464, 0, 32, 16}));
    EXPECT_EQ(LeftWallTile(8, half), (Rect{0, 272, 16, 32}));
    EXPECT_EQ(RightWallTile(0, half), (Rect{496, 16, 16, 32}));
    EXPECT_EQ(RightCorner(half), (Rect{496, 0, 16, 16}));
}

TEST(DrawGeometryTest, SpritesEraseOnlyTheStripTheyUncover) {
    const ZoomLevel full = ZoomLevel::For(4);
    const SpriteMove still = PaddleMove(512, 512, full);
    EXPECT_TRUE(still.uncovered.width == 0);
    EXPECT_EQ(still.picture, (Rect{504, 544, 80, 12}));

    const SpriteMove right = PaddleMove(512, 530, full);
    EXPECT_EQ(right.uncovered, (Rect{504, 544, 18, 12}));
    const SpriteMove left = PaddleMove(512, 500, full);
    EXPECT_EQ(left.uncovered, (Rect{572, 544, 12, 12}));

    const ZoomLevel threeQuarters = ZoomLevel::For(3);
    const SpriteMove ball = ServingBallMove(100, 120, threeQuarters);
    EXPECT_EQ(ball.picture, (Rect{108, 396, 12, 12}));
    EXPECT_EQ(ball.uncovered, (Rect{93, 396, 15, 12}));  // pixels of 124 and 144 round down apart
}

TEST(DrawGeometryTest, LinesLeaveOutTheirEndPoint) {
    EXPECT_EQ(LinePixels({10, 5}, {20, 5}), (Rect{10, 5, 10, 1}));
    EXPECT_EQ(LinePixels({20, 5}, {10, 5}), (Rect{11, 5, 10, 1}));
    EXPECT_EQ(LinePixels({3, 10}, {3, 4}), (Rect{3, 5, 1, 6}));
    EXPECT_EQ(LinePixels({3, 4}, {3, 4}).width, 0);
}

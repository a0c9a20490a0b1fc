#include "engine/EditorHitTest.h"

#include <gtest/gtest.h>

TEST(EditorHitTestTest, TheGridExcludesTheWallsAroundIt) {
    const ZoomLevel full = ZoomLevel::For(4);
    EXPECT_EQ(GridCellAt({32, 32}, full), (GridCell{0, 0}));
    EXPECT_EQ(GridCellAt({991, 415}, full), (GridCell{14, 11}));
    EXPECT_FALSE(GridCellAt({31, 100}, full));   // left wall
    EXPECT_FALSE(GridCellAt({100, 31}, full));   // top wall
    EXPECT_FALSE(GridCellAt({992, 100}, full));  // right wall
    EXPECT_FALSE(GridCellAt({100, 416}, full));  // below row 11
    EXPECT_FALSE(GridCellAt({-40, -40}, full));

    const ZoomLevel half = ZoomLevel::For(2);
    EXPECT_EQ(GridCellAt({16 + 32 * 3, 16 + 16 * 2}, half), (GridCell{3, 2}));
    EXPECT_FALSE(GridCellAt({15, 20}, half));
}

TEST(EditorHitTestTest, PaletteEntriesAreNumberedRowByRow) {
    EXPECT_EQ(PaletteKindAt({480, 464}, 4), 0);
    EXPECT_EQ(PaletteKindAt({608 + 10, 496 + 10}, 4), 7);  // second row, third column
    EXPECT_EQ(PaletteKindAt({799, 559}, 4), 14);
    EXPECT_FALSE(PaletteKindAt({479, 470}, 4));  // just left of the palette
    EXPECT_FALSE(PaletteKindAt({500, 463}, 4));  // just above it
    EXPECT_FALSE(PaletteKindAt({800, 470}, 4));
    EXPECT_FALSE(PaletteKindAt({500, 560}, 4));
    // At 50 % the same entries lie at half the pixels.
    EXPECT_EQ(PaletteKindAt({305, 250}, 2), 7);
    EXPECT_FALSE(PaletteKindAt({239, 240}, 2));
}

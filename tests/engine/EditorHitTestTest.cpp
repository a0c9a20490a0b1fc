// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/EditorHitTest.h"

#include <gtest/gtest.h>

// The walls and the palette's left and top edges at 50 % are pressed on the
// view in the editor tests; here the far edges, at 100 %.
TEST(EditorHitTestTest, TheGridAndThePaletteEndAtTheirLastPixel) {
    const ZoomLevel full = ZoomLevel::For(4);
    EXPECT_EQ(GridCellAt({32, 32}, full), (GridCell{0, 0}));
    EXPECT_EQ(GridCellAt({991, 415}, full), (GridCell{14, 11}));
    EXPECT_FALSE(GridCellAt({992, 100}, full));  // right wall
    EXPECT_FALSE(GridCellAt({100, 416}, full));  // below row 11
    EXPECT_FALSE(GridCellAt({-40, -40}, full));

    EXPECT_EQ(PaletteKindAt({480, 464}, 4), 0);
    EXPECT_EQ(PaletteKindAt({799, 559}, 4), 14);
    // Rows of five: the second kind sits right of the first, the eleventh below.
    EXPECT_EQ(PaletteKindAt({544, 464}, 4), 1);
    EXPECT_EQ(PaletteKindAt({480, 559}, 4), 10);
    EXPECT_FALSE(PaletteKindAt({800, 470}, 4));
    EXPECT_FALSE(PaletteKindAt({500, 560}, 4));
}

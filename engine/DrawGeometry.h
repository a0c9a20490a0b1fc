// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/Zoom.h"
#include "engine/PixelPoint.h"
#include "engine/Rect.h"

// Where the playfield's pieces lie in pixels of the view, at a zoom.

inline constexpr int kTopWallTileCount = 15;
inline constexpr int kSideWallTileCount = 9;  // tiles of 64 units down each side wall

// The frame tiles a repaint must draw, from its clip box: columns of the
// top wall (0..14) and tile rows of the side walls (0..8). Column 14 and
// row 0 also stand for the right wall and the corners.
struct TileRanges {
    int firstColumn = 0;
    int lastColumn = 0;
    int firstRow = 0;
    int lastRow = 0;
};

// The clip box's right and bottom edges lie just outside it, as a clip
// box's do.
TileRanges TileRangesOfClipBox(const Rect& clipBox, int zoom);

Rect TopWallTile(int column, const ZoomLevel& zoom);
Rect LeftWallTile(int tileRow, const ZoomLevel& zoom);
Rect RightWallTile(int tileRow, const ZoomLevel& zoom);
Rect LeftCorner(const ZoomLevel& zoom);
Rect RightCorner(const ZoomLevel& zoom);

// The top-left pixel of a grid cell.
PixelPoint CellOrigin(int column, int row, int zoom);

// A sprite that moves sideways: the strip of its old place that the new
// one leaves uncovered (empty when it did not move), and where the picture
// goes. The strip never overlaps the new place, so the order does not matter.
struct SpriteMove {
    Rect uncovered;
    Rect picture;
};

// The paddle and the ball resting on it, by their centres in playfield units.
SpriteMove PaddleMove(int oldX, int newX, const ZoomLevel& zoom);
SpriteMove ServingBallMove(int oldX, int newX, const ZoomLevel& zoom);

// The pixels a one-pixel line from `from` towards `to` paints: every pixel
// but the end point. Only horizontal and vertical lines are drawn.
Rect LinePixels(PixelPoint from, PixelPoint to);

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/DrawGeometry.h"

#include <algorithm>
#include <cassert>

#include "engine/Playfield.h"

namespace {
constexpr int kTileUnits = 64;  // top wall tiles are this wide, side wall tiles this high
constexpr int kRightWallUnits = Playfield::kFrame + Playfield::kInteriorWidth;  // 992
constexpr int kPaddleViewTop = Playfield::kFrame + Playfield::kPaddleTop;         // 544
constexpr int kServingBallViewTop = kPaddleViewTop - Playfield::kBallSize;        // 528
// A centre's distance from the view's left edge to the sprite's left edge.
constexpr int kPaddleLeftFromCentre = Playfield::kFrame - Playfield::kPaddleHalfWidth;  // -8
constexpr int kBallLeftFromCentre = Playfield::kFrame - Playfield::kBallRadius;         // 24

int ToPixels(int units, int zoom) { return ViewUnitsToPixels(units, zoom); }

// The tile a clip-box edge falls in, counting from the first tile inside the frame.
int TileOf(int pixel, int zoom) { return (pixel * 4 / zoom - Playfield::kFrame) / kTileUnits; }

SpriteMove SidewaysMove(int oldLeftUnits, int newLeftUnits, int topUnits, int width, int height,
                        int zoom) {
    const int oldLeft = ToPixels(oldLeftUnits, zoom);
    const int newLeft = ToPixels(newLeftUnits, zoom);
    const int top = ToPixels(topUnits, zoom);
    SpriteMove move{{}, {newLeft, top, width, height}};
    if (newLeft > oldLeft)
        move.uncovered = {oldLeft, top, newLeft - oldLeft, height};
    else if (newLeft < oldLeft)
        move.uncovered = {newLeft + width, top, oldLeft - newLeft, height};
    return move;
}
}  // namespace

TileRanges TileRangesOfClipBox(const Rect& clipBox, int zoom) {
    return {
        std::max(TileOf(clipBox.x, zoom), 0),
        std::min(TileOf(clipBox.x + clipBox.width, zoom), kTopWallTileCount - 1),
        std::max(TileOf(clipBox.y, zoom), 0),
        std::min(TileOf(clipBox.y + clipBox.height, zoom), kSideWallTileCount - 1),
    };
}

Rect TopWallTile(int column, const ZoomLevel& zoom) {
    return {ToPixels(kTileUnits * column + Playfield::kFrame, zoom.zoom), 0,
            ToPixels(kTileUnits, zoom.zoom), zoom.margin};
}

Rect LeftWallTile(int tileRow, const ZoomLevel& zoom) {
    return {0, ToPixels(kTileUnits * tileRow + Playfield::kFrame, zoom.zoom), zoom.margin,
            ToPixels(kTileUnits, zoom.zoom)};
}

Rect RightWallTile(int tileRow, const ZoomLevel& zoom) {
    Rect tile = LeftWallTile(tileRow, zoom);
    tile.x = ToPixels(kRightWallUnits, zoom.zoom);
    return tile;
}

Rect LeftCorner(const ZoomLevel& zoom) { return {0, 0, zoom.margin, zoom.margin}; }

Rect RightCorner(const ZoomLevel& zoom) {
    return {ToPixels(kRightWallUnits, zoom.zoom), 0, zoom.margin, zoom.margin};
}

PixelPoint CellOrigin(int column, int row, int zoom) {
    return {ToPixels(Playfield::kCellWidth * column + Playfield::kFrame, zoom),
            ToPixels(Playfield::kCellHeight * (row + 1), zoom)};
}

SpriteMove PaddleMove(int oldX, int newX, const ZoomLevel& zoom) {
    return SidewaysMove(oldX + kPaddleLeftFromCentre, newX + kPaddleLeftFromCentre, kPaddleViewTop,
                        zoom.paddleWidth, ToPixels(Playfield::kPaddleHeight, zoom.zoom), zoom.zoom);
}

SpriteMove ServingBallMove(int oldX, int newX, const ZoomLevel& zoom) {
    return SidewaysMove(oldX + kBallLeftFromCentre, newX + kBallLeftFromCentre, kServingBallViewTop,
                        zoom.ballSize, zoom.ballSize, zoom.zoom);
}

Rect LinePixels(PixelPoint from, PixelPoint to) {
    assert(from.x == to.x || from.y == to.y);
    if (from.y == to.y) {
        if (to.x >= from.x) return {from.x, from.y, to.x - from.x, 1};
        return {to.x + 1, from.y, from.x - to.x, 1};  // drawn leftwards: the start is painted
    }
    if (to.y >= from.y) return {from.x, from.y, 1, to.y - from.y};
    return {from.x, to.y + 1, 1, from.y - to.y};
}

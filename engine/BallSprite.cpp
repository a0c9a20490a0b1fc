// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BallSprite.h"

#include "engine/Playfield.h"

namespace {
// Logical units to view pixels; C++ division rounds toward zero, as the
// view's own conversions do.
int ToPixels(int viewUnits, int zoom) { return zoom * viewUnits / 4; }

// The top-left pixel of the ball's square: the centre less the radius,
// shifted by the frame around the interior.
int SquareCorner(int centre, int zoom) {
    return ToPixels(centre - Playfield::kBallRadius + Playfield::kFrame, zoom);
}
}  // namespace

Rect BallSquare(Point centre, int zoom) {
    const int side = ToPixels(Playfield::kBallSize, zoom);
    return {SquareCorner(centre.x, zoom), SquareCorner(centre.y, zoom), side, side};
}

BallSpriteMove PlanBallSpriteMove(Point oldCentre, Point newCentre, int zoom) {
    const Rect from = BallSquare(oldCentre, zoom);
    const Rect to = BallSquare(newCentre, zoom);
    const int side = to.width;
    BallSpriteMove move{.blit = to};
    auto addStrip = [&move](Rect strip) { move.strips[move.stripCount++] = strip; };

    // The strips span from the old corner to the new one, full sprite side
    // across; they never reach into the new square, so the freshly copied
    // bitmap stays intact.
    if (to.x > from.x) addStrip({from.x, from.y, to.x - from.x, side});
    if (to.x < from.x) addStrip({to.x + side, from.y, from.x - to.x, side});
    if (to.y > from.y) addStrip({from.x, from.y, side, to.y - from.y});
    if (to.y < from.y) addStrip({from.x, to.y + side, side, from.y - to.y});
    return move;
}

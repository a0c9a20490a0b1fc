// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameTypes.h"

// Where the session draws the playfield as it plays: one cell, the paddle,
// the ball at rest or in flight, or all of it again. The playfield view
// paints into its picture; tests record.
class PlayfieldCanvas {
public:
    virtual ~PlayfieldCanvas() = default;

    // Everything again, after the view is erased to its background.
    virtual void InvalidateView() = 0;

    virtual void DrawCell(int column, int row) = 0;
    virtual void MovePaddleSprite(int oldX, int newX) = 0;
    virtual void MoveServingBallSprite(int oldX, int newX) = 0;
    virtual void MoveBallSprite(Point oldCentre, Point newCentre) = 0;
    virtual void EraseBallSquare(Point centre) = 0;
};

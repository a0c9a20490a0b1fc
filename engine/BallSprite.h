// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "engine/GameTypes.h"
#include "engine/Rect.h"

// How the ball sprite moves on screen after a tick, in view pixels at the
// given zoom (2, 3 or 4): the square where the ball bitmap is copied, and
// the parts of the old square it no longer covers, which are painted with
// the background after the copy. Kept free of any toolkit so the view only
// performs what this decides.
struct BallSpriteMove {
    Rect blit;
    std::array<Rect, 2> strips{};  // horizontal strip first, then vertical
    std::size_t stripCount = 0;

    std::span<const Rect> Strips() const { return {strips.data(), stripCount}; }
};

BallSpriteMove PlanBallSpriteMove(Point oldCentre, Point newCentre, int zoom);

// The ball's square around a centre: what a lost ball leaves to be painted
// with the background.
Rect BallSquare(Point centre, int zoom);

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct SessionState;

// A ball velocity in units per sub-step.
struct BallVelocity {
    int dx = 0;
    int dy = 0;
    friend bool operator==(const BallVelocity&, const BallVelocity&) = default;
};

// The paddle's top face is 96 units of contact: offsets of the ball centre
// from the paddle centre in -48..47 return the ball.
inline constexpr int kPaddleReachLeft = -48;
inline constexpr int kPaddleReachRight = 48;  // first offset that misses

// The velocity the paddle's top gives a ball whose centre is `offset` units
// right of the paddle centre; the offset must lie within the reach.
BallVelocity PaddleTopVelocity(int offset);

// A falling ball that has just passed the contact line (or is still within
// 20 units under it) bounces off the paddle's top. (startX, startY) is the
// ball centre before this sub-step's move.
void BounceOffPaddleTop(SessionState& state, int startX, int startY);

// A ball beside the paddle, below its top, that meets one of its sides is
// knocked back horizontally and keeps falling.
void BounceOffPaddleSides(SessionState& state);

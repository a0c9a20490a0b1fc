// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/PaddleBounce.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "engine/Playfield.h"
#include "engine/SessionState.h"

namespace {
// A falling ball is tested against the paddle's top until its centre has
// sunk this far below the contact line at the start of a sub-step, so a
// paddle that arrives late still saves it.
constexpr int kLatestReturnY = 524;

// The band in which the ball's centre lies beside the paddle, below its top.
constexpr int kSideBandTop = 506;     // exclusive
constexpr int kSideBandBottom = 532;  // inclusive

struct PaddleZone {
    int firstOffset;  // the zone runs up to the next zone's first offset
    BallVelocity velocity;
};

// The farther from the centre the ball lands, the flatter it leaves. The
// zones are not symmetric: the straight-up zone is -1..0, so the left side
// is one unit wider than the right.
constexpr std::array<PaddleZone, 15> kPaddleZones{{
    {-48, {-6, -1}},
    {-39, {-5, -2}},
    {-30, {-5, -3}},
    {-21, {-4, -4}},
    {-14, {-3, -5}},
    {-8, {-2, -5}},
    {-3, {-1, -5}},
    {-1, {0, -6}},
    {1, {1, -5}},
    {3, {2, -5}},
    {8, {3, -5}},
    {14, {4, -4}},
    {21, {5, -3}},
    {30, {5, -2}},
    {39, {6, -1}},
}};

bool InSideBand(int y) { return y > kSideBandTop && y <= kSideBandBottom; }

void KnockBackFromSide(SessionState& state) {
    state.ballDX = -state.ballDX;
    // Back out by twice the old velocity, so the ball ends clear of the side.
    state.ballX += 2 * state.ballDX;
    state.lastEvent = SoundEvent::PaddleSide;
}
}  // namespace

BallVelocity PaddleTopVelocity(int offset) {
    const auto beyond = std::upper_bound(
        kPaddleZones.begin(), kPaddleZones.end(), offset,
        [](int value, const PaddleZone& zone) { return value < zone.firstOffset; });
    return std::prev(beyond)->velocity;
}

void BounceOffPaddleTop(SessionState& state, int startX, int startY) {
    const int fallingSpeed = state.ballDY;
    if (fallingSpeed <= 0) return;  // rising balls pass up through the contact line
    if (state.ballY <= Playfield::kBallRestY) return;  // not down to the paddle yet
    if (startY > kLatestReturnY) return;  // already too deep to be returned

    BallVelocity bounced{state.ballDX, -fallingSpeed};
    if (state.mode != GameMode::Demo) {
        // The demonstration never misses; a player's paddle must be under the ball.
        const int offset = state.ballX - state.paddleX;
        if (offset < kPaddleReachLeft || offset >= kPaddleReachRight) return;
        bounced = PaddleTopVelocity(offset);
    }
    state.ballDX = bounced.dx;
    state.ballDY = bounced.dy;
    state.ballX = startX + bounced.dx;
    // As if the ball had turned at the contact line and risen for the rest of the move.
    state.ballY = Playfield::kBallRestY - fallingSpeed;
    state.lastEvent = SoundEvent::PaddleTop;
}

void BounceOffPaddleSides(SessionState& state) {
    if (!InSideBand(state.ballY)) return;
    const int leftSide = state.paddleX - Playfield::kPaddleHalfWidth;
    const int rightSide = state.paddleX + Playfield::kPaddleHalfWidth;

    // Only a ball whose leading edge reached the side during this very move
    // touches it; one already past the side overlaps the paddle and falls on.
    const int rightEdge = state.ballX + Playfield::kBallRadius;
    if (state.ballDX > 0 && leftSide <= rightEdge && rightEdge - leftSide <= state.ballDX)
        KnockBackFromSide(state);

    const int leftEdge = state.ballX - Playfield::kBallRadius;
    if (state.ballDX < 0 && leftEdge <= rightSide && rightSide - leftEdge <= -state.ballDX)
        KnockBackFromSide(state);
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/SkilledPlayer.h"

#include <algorithm>
#include <cstdlib>

#include "engine/GameSession.h"
#include "engine/Playfield.h"
#include "stages/CBlockDoc.h"

namespace {
constexpr int kWallX = Playfield::kInteriorWidth - Playfield::kBallRadius;  // 952
constexpr int kLateReturnY = Playfield::kBallRestY + 20;                    // 524
constexpr int kGridBottom = kGridRows * Playfield::kCellHeight;              // 384
// Long enough for any flight from the ceiling down at the slowest descent.
constexpr int kLongestFlight = 4000;
}  // namespace

std::optional<int> ForecastContactX(BallMotion ball) {
    for (int subStep = 0; subStep < kLongestFlight; ++subStep) {
        const int startY = ball.y;
        ball.x += ball.dx;
        ball.y += ball.dy;
        // The paddle sees the ball before the walls move it back inside.
        if (ball.dy > 0 && ball.y > Playfield::kBallRestY && startY <= kLateReturnY) return ball.x;
        if (ball.x >= kWallX) {
            ball.dx = -std::abs(ball.dx);
            ball.x = 2 * kWallX - ball.x;
        }
        if (ball.x < Playfield::kBallRadius) {
            ball.dx = std::abs(ball.dx);
            ball.x = 2 * Playfield::kBallRadius - ball.x;
        }
        if (ball.y < Playfield::kBallRadius) {
            ball.dy = -ball.dy;
            ball.y = 2 * Playfield::kBallRadius - ball.y;
        }
    }
    return std::nullopt;
}

SkilledPlayer::SkilledPlayer(std::uint32_t seed) : random_(seed) { DrawOffset(); }

void SkilledPlayer::DrawOffset() {
    offset_ = kLowestOffset + static_cast<int>(random_() % kOffsetCount);
}

// Only the paddle turns a falling ball upward below the grid.
bool SkilledPlayer::JustReturned(const GameSession& session) const {
    const SessionState& state = session.State();
    return lastBallDY_ > 0 && state.ballDY < 0 && state.ballY - Playfield::kBallRadius >= kGridBottom;
}

int SkilledPlayer::PaddleTargetFor(const GameSession& session) {
    if (JustReturned(session)) DrawOffset();
    const SessionState& state = session.State();
    lastBallDY_ = state.ballDY;
    const std::optional<int> contactX = ForecastContactX({state.ballX, state.ballY, state.ballDX, state.ballDY});
    // Without a forecast the paddle simply stays under the ball.
    const int target = contactX ? *contactX - offset_ : state.ballX;
    return std::clamp(target, Playfield::kFlightPaddleMinX, Playfield::kFlightPaddleMaxX);
}

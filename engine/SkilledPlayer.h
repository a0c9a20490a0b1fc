// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <random>

class GameSession;

// A flying ball's centre and velocity per sub-step.
struct BallMotion {
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
};

// The ball's x at the sub-step in which the paddle-top test first sees it
// falling past the contact line, following walls and ceiling. Blocks are
// left out: none lies below the grid, so the forecast is exact once the
// ball has left the grid, and a fair guess before. Nothing when the ball
// does not come down within a long flight.
std::optional<int> ForecastContactX(BallMotion ball);

// Plays like a skilled mouse player: each tick the paddle goes where the
// falling ball will meet it at a chosen offset from the paddle centre, and
// after every return a fresh offset is drawn from the paddle's whole width
// (-48..47), so the ball leaves at every angle the paddle gives. Offsets
// come from std::mt19937 with the given seed, taken modulo 96, so a seed
// plays the same game with every standard library.
class SkilledPlayer {
public:
    static constexpr int kLowestOffset = -48;
    static constexpr int kOffsetCount = 96;

    explicit SkilledPlayer(std::uint32_t seed);

    // The paddle centre wanted for the coming tick.
    int PaddleTargetFor(const GameSession& session);

    int Offset() const { return offset_; }

private:
    void DrawOffset();
    bool JustReturned(const GameSession& session) const;

    std::mt19937 random_;
    int offset_ = 0;
    int lastBallDY_ = 0;
};

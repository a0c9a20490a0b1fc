// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "engine/GameTypes.h"
#include "engine/Playfield.h"

// Everything a game in progress holds, as a value: the mode, the ball and
// paddle, lives and scores, the options that steer play and the two sound
// switches. Only its session changes it, and the ball step while the
// session hands it a tick; anyone may read it or keep a copy.
struct SessionState {
    static constexpr int kStartingBalls = 3;

    GameMode mode = GameMode::Play;
    BallState ballState = BallState::Serving;
    int paddleX = Playfield::kServeX;
    int ballX = Playfield::kServeX;
    int ballY = Playfield::kBallRestY;
    int ballDX = Playfield::kServeDX;  // ServeBall sets both again
    int ballDY = Playfield::kServeDY;
    int speed = 1;
    int blocksLeft = 20000;
    int ballsLeft = kStartingBalls;
    std::uint16_t score = 0;
    std::uint16_t highScore = 0;
    SoundEvent lastEvent = SoundEvent::None;
    bool busy = false;  // a message box raised by a tick is open
    bool timerRunning = false;
    bool keyboardControl = false;
    bool hideCursor = false;
    bool musicEnabled = false;
    bool effectsEnabled = false;

    // The ball at rest on the paddle, as a serve leaves it.
    void PutBallOnPaddle() {
        ballX = paddleX;
        ballY = Playfield::kBallRestY;
        ballDX = Playfield::kServeDX;
        ballDY = Playfield::kServeDY;
    }
};

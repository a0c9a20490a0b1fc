// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BallStep.h"

#include "engine/BallFlight.h"
#include "engine/BallPath.h"
#include "engine/BallSubStep.h"
#include "engine/BlockCollisions.h"
#include "engine/ClassicRandom.h"
#include "engine/PaddleBounce.h"
#include "engine/Playfield.h"
#include "engine/PlayfieldCanvas.h"
#include "engine/SessionState.h"
#include "engine/StatusPanes.h"

namespace {
using Playfield::kBallRadius;

// The lowest speed level still moves the ball twice per tick.
constexpr int kSubStepsAtSpeedZero = 2;
constexpr int kRightWallX = Playfield::kInteriorWidth - kBallRadius;  // 952
constexpr int kLeftWallX = kBallRadius;
constexpr int kCeilingY = kBallRadius;

// The gold nudge draws one of twelve values; one turns the ball a unit
// right, one a unit left, the rest leave it alone.
constexpr int kNudgeChoices = 12;
constexpr int kNudgeLeft = 0;
constexpr int kNudgeRight = 1;
constexpr int kFastestDX = 6;

int Magnitude(int value) { return value < 0 ? -value : value; }

void BounceOffWalls(SessionState& state) {
    if (state.ballX >= kRightWallX) {
        state.ballDX = -Magnitude(state.ballDX);
        state.ballX = 2 * kRightWallX - state.ballX;
        state.lastEvent = SoundEvent::Frame;
    }
    if (state.ballX < kLeftWallX) {
        state.ballDX = Magnitude(state.ballDX);
        state.ballX = 2 * kLeftWallX - state.ballX;
        state.lastEvent = SoundEvent::Frame;
    }
}

bool FellPastFloor(const SessionState& state) { return state.ballY > Playfield::kFloorLine && state.ballDY > 0; }

void ShowScorePanes(SessionState& state, StatusPanes& panes) {
    // The demonstration's points show only when the stage is refreshed, and
    // never count toward the best score.
    if (state.mode == GameMode::Demo) return;
    panes.ShowScore(state.score);
    if (state.highScore < state.score) {
        state.highScore = state.score;
        panes.ShowHighScore(state.highScore);
    }
}

void BounceOffCeiling(SessionState& state) {
    if (state.ballY >= kCeilingY) return;
    state.ballDY = -state.ballDY;
    state.ballY = 2 * kCeilingY - state.ballY;
    state.lastEvent = SoundEvent::Frame;
}

// Gold blocks now and then turn the ball by one unit, so it cannot settle
// into a loop among them. The turn never stops or reverses the horizontal
// motion.
void NudgeAfterGold(int& dx, ClassicRandom& random) {
    switch (random.Next() % kNudgeChoices) {
    case kNudgeRight:
        ++dx;
        if (dx > kFastestDX) dx = kFastestDX;
        if (dx == 0) dx = -1;
        break;
    case kNudgeLeft:
        --dx;
        if (dx < -kFastestDX) dx = -kFastestDX;
        if (dx == 0) dx = 1;
        break;
    default:
        break;
    }
}
}  // namespace

SubStepEnd StepBallOnce(BallFlight& flight) {
    SessionState& state = flight.state;
    const int startX = state.ballX;
    const int startY = state.ballY;
    state.ballX += state.ballDX;
    state.ballY += state.ballDY;

    BounceOffPaddleTop(state, startX, startY);
    BounceOffPaddleSides(state);
    BounceOffWalls(state);
    if (FellPastFloor(state)) {
        state.lastEvent = SoundEvent::Fail;
        return SubStepEnd::Lost;
    }

    BlockHitTally tally;
    CollideTopEdge(flight, tally);
    CollideBottomEdge(flight, tally);

    if (tally.points > 0) ShowScorePanes(state, flight.panes);
    BounceOffCeiling(state);
    if (tally.hitGold) NudgeAfterGold(state.ballDX, flight.random);
    return SubStepEnd::Flying;
}

StepOutcome StepBall(BallFlight& flight) {
    SessionState& state = flight.state;
    const Point start{state.ballX, state.ballY};
    state.lastEvent = SoundEvent::None;
    const int subSteps = state.speed + kSubStepsAtSpeedZero;

    if (flight.path != nullptr) flight.path->Start(start);
    for (int step = 0; step < subSteps; ++step) {
        const Point straightOn{state.ballX + state.ballDX, state.ballY + state.ballDY};
        if (StepBallOnce(flight) == SubStepEnd::Lost) {
            // The lost ball vanishes from where the tick found it.
            flight.canvas.EraseBallSquare(start);
            return StepOutcome::BallLost;
        }
        const Point end{state.ballX, state.ballY};
        if (flight.path != nullptr) flight.path->Add(end, end == straightOn);
    }

    // The last breakable block may have fallen in an earlier sub-step; the
    // ball still finished the tick's motion.
    const StepOutcome outcome = state.blocksLeft == 0 ? StepOutcome::StageCleared : StepOutcome::BallInPlay;
    flight.canvas.MoveBallSprite(start, {state.ballX, state.ballY});
    return outcome;
}

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

void BounceOffWalls(BallFlight& flight) {
    if (flight.state.ballX >= kRightWallX) {
        flight.state.ballDX = -Magnitude(flight.state.ballDX);
        flight.state.ballX = 2 * kRightWallX - flight.state.ballX;
        flight.state.lastEvent = SoundEvent::Frame;
    }
    if (flight.state.ballX < kLeftWallX) {
        flight.state.ballDX = Magnitude(flight.state.ballDX);
        flight.state.ballX = 2 * kLeftWallX - flight.state.ballX;
        flight.state.lastEvent = SoundEvent::Frame;
    }
}

bool FellPastFloor(const BallFlight& flight) {
    return flight.state.ballY > Playfield::kFloorLine && flight.state.ballDY > 0;
}

void ShowScorePanes(BallFlight& flight) {
    // The demonstration's points show only when the stage is refreshed, and
    // never count toward the best score.
    if (flight.state.mode == GameMode::Demo) return;
    StatusPanes& panes = flight.panes;
    panes.ShowScore(flight.state.score);
    if (flight.state.highScore < flight.state.score) {
        flight.state.highScore = flight.state.score;
        panes.ShowHighScore(flight.state.highScore);
    }
}

void BounceOffCeiling(BallFlight& flight) {
    if (flight.state.ballY >= kCeilingY) return;
    flight.state.ballDY = -flight.state.ballDY;
    flight.state.ballY = 2 * kCeilingY - flight.state.ballY;
    flight.state.lastEvent = SoundEvent::Frame;
}

// Gold blocks now and then turn the ball by one unit, so it cannot settle
// into a loop among them. The turn never stops or reverses the horizontal
// motion.
void NudgeAfterGold(BallFlight& flight) {
    int& dx = flight.state.ballDX;
    switch (flight.random.Next() % kNudgeChoices) {
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
    const int startX = flight.state.ballX;
    const int startY = flight.state.ballY;
    flight.state.ballX += flight.state.ballDX;
    flight.state.ballY += flight.state.ballDY;

    BounceOffPaddleTop(flight, startX, startY);
    BounceOffPaddleSides(flight);
    BounceOffWalls(flight);
    if (FellPastFloor(flight)) {
        flight.state.lastEvent = SoundEvent::Fail;
        return SubStepEnd::Lost;
    }

    BlockHitTally tally;
    CollideTopEdge(flight, tally);
    CollideBottomEdge(flight, tally);

    if (tally.points > 0) ShowScorePanes(flight);
    BounceOffCeiling(flight);
    if (tally.hitGold) NudgeAfterGold(flight);
    return SubStepEnd::Flying;
}

StepOutcome StepBall(BallFlight& flight) {
    const Point start{flight.state.ballX, flight.state.ballY};
    flight.state.lastEvent = SoundEvent::None;
    const int subSteps = flight.state.speed + kSubStepsAtSpeedZero;

    if (flight.path != nullptr) flight.path->Start(start);
    for (int step = 0; step < subSteps; ++step) {
        const Point straightOn{flight.state.ballX + flight.state.ballDX, flight.state.ballY + flight.state.ballDY};
        if (StepBallOnce(flight) == SubStepEnd::Lost) {
            // The lost ball vanishes from where the tick found it.
            flight.canvas.EraseBallSquare(start);
            return StepOutcome::BallLost;
        }
        const Point end{flight.state.ballX, flight.state.ballY};
        if (flight.path != nullptr) flight.path->Add(end, end == straightOn);
    }

    // The last breakable block may have fallen in an earlier sub-step; the
    // ball still finished the tick's motion.
    const StepOutcome outcome = flight.state.blocksLeft == 0 ? StepOutcome::StageCleared : StepOutcome::BallInPlay;
    flight.canvas.MoveBallSprite(start, {flight.state.ballX, flight.state.ballY});
    return outcome;
}

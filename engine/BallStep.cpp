// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BallStep.h"

#include "engine/BallSubStep.h"
#include "engine/BlockCollisions.h"
#include "engine/GameSession.h"
#include "engine/PaddleBounce.h"
#include "engine/Playfield.h"
#include "engine/PlayfieldCanvas.h"
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

void BounceOffWalls(GameSession& session) {
    if (session.ballX >= kRightWallX) {
        session.ballDX = -Magnitude(session.ballDX);
        session.ballX = 2 * kRightWallX - session.ballX;
        session.lastEvent = SoundEvent::Frame;
    }
    if (session.ballX < kLeftWallX) {
        session.ballDX = Magnitude(session.ballDX);
        session.ballX = 2 * kLeftWallX - session.ballX;
        session.lastEvent = SoundEvent::Frame;
    }
}

bool FellPastFloor(const GameSession& session) {
    return session.ballY > Playfield::kFloorLine && session.ballDY > 0;
}

void ShowScorePanes(GameSession& session) {
    // The demonstration's points show only when the stage is refreshed, and
    // never count toward the best score.
    if (session.mode == GameMode::Demo) return;
    StatusPanes& panes = session.Panes();
    panes.ShowScore(session.score);
    if (session.highScore < session.score) {
        session.highScore = session.score;
        panes.ShowHighScore(session.highScore);
    }
}

void BounceOffCeiling(GameSession& session) {
    if (session.ballY >= kCeilingY) return;
    session.ballDY = -session.ballDY;
    session.ballY = 2 * kCeilingY - session.ballY;
    session.lastEvent = SoundEvent::Frame;
}

// Gold blocks now and then turn the ball by one unit, so it cannot settle
// into a loop among them. The turn never stops or reverses the horizontal
// motion.
void NudgeAfterGold(GameSession& session) {
    int& dx = session.ballDX;
    switch (session.Random().Next() % kNudgeChoices) {
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

SubStepEnd StepBallOnce(GameSession& session) {
    const int startX = session.ballX;
    const int startY = session.ballY;
    session.ballX += session.ballDX;
    session.ballY += session.ballDY;

    BounceOffPaddleTop(session, startX, startY);
    BounceOffPaddleSides(session);
    BounceOffWalls(session);
    if (FellPastFloor(session)) {
        session.lastEvent = SoundEvent::Fail;
        return SubStepEnd::Lost;
    }

    BlockHitTally tally;
    CollideTopEdge(session, tally);
    CollideBottomEdge(session, tally);

    if (tally.points > 0) ShowScorePanes(session);
    BounceOffCeiling(session);
    if (tally.hitGold) NudgeAfterGold(session);
    return SubStepEnd::Flying;
}

StepOutcome StepBall(GameSession& session) {
    const Point start{session.ballX, session.ballY};
    session.lastEvent = SoundEvent::None;
    const int subSteps = session.speed + kSubStepsAtSpeedZero;

    for (int step = 0; step < subSteps; ++step) {
        if (StepBallOnce(session) == SubStepEnd::Lost) {
            // The lost ball vanishes from where the tick found it.
            session.Canvas().EraseBallSquare(start);
            return StepOutcome::BallLost;
        }
    }

    // The last breakable block may have fallen in an earlier sub-step; the
    // ball still finished the tick's motion.
    const StepOutcome outcome = session.blocksLeft == 0 ? StepOutcome::StageCleared : StepOutcome::BallInPlay;
    session.Canvas().MoveBallSprite(start, {session.ballX, session.ballY});
    return outcome;
}

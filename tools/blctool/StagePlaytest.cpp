// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/StagePlaytest.h"

#include "engine/BallStep.h"
#include "engine/GameSession.h"
#include "engine/SkilledPlayer.h"
#include "stages/CBlockDoc.h"
#include "tools/blctool/HeadlessPlatform.h"

namespace {
// The session hands the ball step's outcome to its own handling only; the
// playtest watches it through the stepper seam. One stage plays at a time.
StepOutcome lastOutcome = StepOutcome::BallInPlay;

StepOutcome ObservedStepBall(GameSession& session) {
    lastOutcome = StepBall(session);
    return lastOutcome;
}
}  // namespace

StageOutcome PlayStage(CBlockDoc& doc, int stage, const PlaytestOptions& options) {
    HeadlessPlatform platform(options.seed);
    GameSession session(doc, platform);
    session.SetBallStepper(&ObservedStepBall);
    session.speed = options.speed;
    session.mode = options.demo ? GameMode::Demo : GameMode::Play;
    SkilledPlayer player(options.seed);

    doc.m_nStage = stage;
    session.StartGame();
    StageOutcome outcome;
    while (outcome.ticks < options.maxTicks) {
        // The player launches every served ball at once.
        if (session.ballState == BallState::Serving) session.LaunchBall();
        platform.PointAt(player.PaddleTargetFor(session));
        lastOutcome = StepOutcome::BallInPlay;
        session.OnGameTick(GameSession::kTimerId);
        ++outcome.ticks;
        if (lastOutcome == StepOutcome::BallLost) {
            ++outcome.ballsLost;
            session.ballsLeft = GameSession::kStartingBalls;  // never game over
        }
        if (lastOutcome == StepOutcome::StageCleared) {
            outcome.cleared = true;
            outcome.score = session.score;
            return outcome;
        }
    }
    outcome.score = session.score;
    outcome.blocksLeft = session.blocksLeft;
    return outcome;
}

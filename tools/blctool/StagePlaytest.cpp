// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/StagePlaytest.h"

#include <functional>

#include "engine/BallFlight.h"
#include "engine/BallStep.h"
#include "engine/GameSession.h"
#include "engine/SkilledPlayer.h"
#include "stages/CBlockDoc.h"
#include "tools/blctool/HeadlessPlatform.h"

namespace {
// The breakable blocks still standing, so that a step that lowers the count
// can tell which ones fell.
class StandingBlocks {
public:
    explicit StandingBlocks(const CBlockDoc& doc) : doc_(doc) {
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column)
                standing_[row][column] = IsStandingBreakable(doc_.Cell(column, row));
    }

    void RecordFallen(int tick, std::vector<Knockout>& knockouts) {
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column)
                if (standing_[row][column] && !IsStandingBreakable(doc_.Cell(column, row))) {
                    standing_[row][column] = false;
                    knockouts.push_back({tick, {row, column}});
                }
    }

private:
    const CBlockDoc& doc_;
    bool standing_[kGridRows][kGridColumns]{};
};

// The session hands the ball step's outcome to its own handling only, and a
// cleared stage moves the document on to the next one at once; the
// playtest watches each step while the stage is still the one played.
class StepWatch {
public:
    StepWatch(StandingBlocks& standing, StageOutcome& outcome) : standing_(standing), outcome_(outcome) {}

    StepOutcome operator()(BallFlight& flight) {
        const int blocksBefore = flight.state.blocksLeft;
        last = StepBall(flight);
        if (flight.state.blocksLeft != blocksBefore) standing_.RecordFallen(outcome_.ticks, outcome_.knockouts);
        return last;
    }

    StepOutcome last = StepOutcome::BallInPlay;

private:
    StandingBlocks& standing_;
    StageOutcome& outcome_;
};

// The session's state changed as the playtest needs it.
void Adjust(GameSession& session, const std::function<void(SessionState&)>& change) {
    SessionState state = session.State();
    change(state);
    session.Restore(state);
}
}  // namespace

StageOutcome PlayStage(CBlockDoc& doc, int stage, const PlaytestOptions& options) {
    HeadlessPlatform platform(options.seed);
    GameSession session(doc, platform, platform);
    Adjust(session, [&](SessionState& state) {
        state.speed = options.speed;
        state.mode = options.demo ? GameMode::Demo : GameMode::Play;
    });
    SkilledPlayer player(options.seed);

    doc.m_nStage = stage;
    session.StartGame();
    StandingBlocks standing(doc);
    StageOutcome outcome;
    StepWatch watch(standing, outcome);
    session.SetBallStepper(std::ref(watch));
    while (outcome.ticks < options.maxTicks) {
        // The player launches every served ball at once.
        if (session.State().ballState == BallState::Serving) session.LaunchBall();
        platform.PointAt(player.PaddleTargetFor(session));
        watch.last = StepOutcome::BallInPlay;
        ++outcome.ticks;
        session.OnGameTick(GameSession::kTimerId);
        if (watch.last == StepOutcome::BallLost) {
            ++outcome.ballsLost;
            Adjust(session, [](SessionState& state) { state.ballsLeft = GameSession::kStartingBalls; });  // never over
        }
        if (watch.last == StepOutcome::StageCleared) break;
    }
    outcome.cleared = watch.last == StepOutcome::StageCleared;
    outcome.score = session.State().score;
    if (!outcome.cleared) outcome.blocksLeft = session.State().blocksLeft;
    return outcome;
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/StagePlaytest.h"

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
            for (int column = 0; column < kGridColumns; ++column) standing_[row][column] = Breakable(column, row);
    }

    void RecordFallen(int tick, std::vector<Knockout>& knockouts) {
        for (int row = 0; row < kGridRows; ++row)
            for (int column = 0; column < kGridColumns; ++column)
                if (standing_[row][column] && !Breakable(column, row)) {
                    standing_[row][column] = false;
                    knockouts.push_back({tick, {row, column}});
                }
    }

private:
    bool Breakable(int column, int row) const {
        const std::int8_t cell = doc_.Cell(column, row);
        return (cell & BlockAlive) != 0 && (cell & ~BlockAlive) != BlockKind::Gold;
    }

    const CBlockDoc& doc_;
    bool standing_[kGridRows][kGridColumns]{};
};

}  // namespace

StageOutcome PlayStage(CBlockDoc& doc, int stage, const PlaytestOptions& options) {
    HeadlessPlatform platform(options.seed);
    GameSession session(doc, platform, platform);
    SessionState start = session.State();
    start.speed = options.speed;
    start.mode = options.demo ? GameMode::Demo : GameMode::Play;
    session.Restore(start);
    SkilledPlayer player(options.seed);

    doc.m_nStage = stage;
    session.StartGame();
    StandingBlocks standing(doc);
    StageOutcome outcome;
    // The session hands the ball step's outcome to its own handling only, and
    // a cleared stage moves the document on to the next one at once; the
    // playtest watches each step while the stage is still the one played.
    StepOutcome stepped = StepOutcome::BallInPlay;
    session.SetBallStepper([&](BallFlight& flight) {
        const int blocksBefore = flight.state.blocksLeft;
        stepped = StepBall(flight);
        if (flight.state.blocksLeft != blocksBefore) standing.RecordFallen(outcome.ticks, outcome.knockouts);
        return stepped;
    });
    while (outcome.ticks < options.maxTicks) {
        // The player launches every served ball at once.
        if (session.State().ballState == BallState::Serving) session.LaunchBall();
        platform.PointAt(player.PaddleTargetFor(session));
        stepped = StepOutcome::BallInPlay;
        ++outcome.ticks;
        session.OnGameTick(GameSession::kTimerId);
        if (stepped == StepOutcome::BallLost) {
            ++outcome.ballsLost;
            SessionState endless = session.State();  // never game over
            endless.ballsLeft = GameSession::kStartingBalls;
            session.Restore(endless);
        }
        if (stepped == StepOutcome::StageCleared) {
            outcome.cleared = true;
            outcome.score = session.State().score;
            return outcome;
        }
    }
    outcome.score = session.State().score;
    outcome.blocksLeft = session.State().blocksLeft;
    return outcome;
}

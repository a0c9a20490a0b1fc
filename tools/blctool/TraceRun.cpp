// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/TraceRun.h"

#include <algorithm>
#include <cstdio>

#include "engine/BallStep.h"
#include "engine/GameSession.h"
#include "engine/NullSessionHost.h"
#include "tools/blctool/TraceScenario.h"

namespace {
using Grid = std::array<std::int8_t, kCellsPerStage>;

const char* OutcomeName(StepOutcome outcome) {
    switch (outcome) {
    case StepOutcome::BallLost: return "lost";
    case StepOutcome::BallInPlay: return "inplay";
    case StepOutcome::StageCleared: return "cleared";
    }
    return "?";
}

Grid CurrentGrid(const CBlockDoc& doc) {
    Grid grid;
    std::ranges::copy(doc.CellsOf(doc.CurrentStage()), grid.begin());
    return grid;
}

void WriteChangedCells(const Grid& before, const Grid& after, std::ostream& out) {
    for (int index = 0; index < kCellsPerStage; ++index) {
        if (before[index] == after[index]) continue;
        char byte[3];
        std::snprintf(byte, sizeof byte, "%02X", static_cast<unsigned>(static_cast<std::uint8_t>(after[index])));
        out << ' ' << index / kGridColumns << ':' << index % kGridColumns << ':' << byte;
    }
}

void WriteTick(int tick, const GameSession& session, StepOutcome outcome, std::ostream& out) {
    out << tick << ' ' << session.paddleX << ' ' << session.ballX << ' ' << session.ballY << ' '
        << session.ballDX << ' ' << session.ballDY << ' ' << session.score << ' ' << session.highScore << ' '
        << session.blocksLeft << ' ' << static_cast<int>(session.lastEvent) << ' ' << OutcomeName(outcome);
}

// The session as the scenario describes it, with the ball already flying.
void SetUp(GameSession& session, const TraceScenario& scenario) {
    session.mode = scenario.mode;
    session.speed = scenario.speed;
    session.Random().Seed(scenario.seed);
    session.paddleX = scenario.paddleX;
    session.ballX = scenario.ballX;
    session.ballY = scenario.ballY;
    session.ballDX = scenario.ballDX;
    session.ballDY = scenario.ballDY;
    session.score = scenario.score;
    session.highScore = scenario.highScore;
    session.blocksLeft = scenario.blocksLeft.value_or(CountStandingBreakable(scenario.grid));
    session.ballState = BallState::InFlight;
}
}  // namespace

void WriteTrace(const TraceScenario& scenario, std::ostream& out) {
    CBlockDoc doc;
    std::ranges::copy(scenario.grid, doc.CellsOf(0).begin());
    NullSessionHost host;
    GameSession session(doc, host, host);
    SetUp(session, scenario);

    int tick = 0;
    for (const int target : scenario.targets) {
        const Grid before = CurrentGrid(doc);
        // A flying ball sees the paddle one unit inside the serving range.
        const int x = std::clamp(target, Playfield::kFlightPaddleMinX, Playfield::kFlightPaddleMaxX);
        if (x != session.paddleX) session.MovePaddle(x);
        const StepOutcome outcome = StepBall(session);

        WriteTick(++tick, session, outcome, out);
        WriteChangedCells(before, CurrentGrid(doc), out);
        out << '\n';
        if (outcome != StepOutcome::BallInPlay) return;
    }
}

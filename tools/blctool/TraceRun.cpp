// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/TraceRun.h"

#include <algorithm>
#include <cstdio>

#include "engine/BallFlight.h"
#include "engine/BallStep.h"
#include "engine/ClassicRandom.h"
#include "engine/NullSessionHost.h"
#include "engine/SessionState.h"
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

void WriteTick(int tick, const SessionState& game, StepOutcome outcome, std::ostream& out) {
    out << tick << ' ' << game.paddleX << ' ' << game.ballX << ' ' << game.ballY << ' ' << game.ballDX << ' '
        << game.ballDY << ' ' << game.score << ' ' << game.highScore << ' ' << game.blocksLeft << ' '
        << static_cast<int>(game.lastEvent) << ' ' << OutcomeName(outcome);
}

// The game as the scenario describes it, with the ball already flying.
SessionState ScenarioState(const TraceScenario& scenario) {
    SessionState state;
    state.mode = scenario.mode;
    state.speed = scenario.speed;
    state.paddleX = scenario.paddleX;
    state.ballX = scenario.ballX;
    state.ballY = scenario.ballY;
    state.ballDX = scenario.ballDX;
    state.ballDY = scenario.ballDY;
    state.score = scenario.score;
    state.highScore = scenario.highScore;
    state.blocksLeft = scenario.blocksLeft.value_or(CountStandingBreakable(scenario.grid));
    state.ballState = BallState::InFlight;
    return state;
}
}  // namespace

void WriteTrace(const TraceScenario& scenario, std::ostream& out) {
    CBlockDoc doc;
    std::ranges::copy(scenario.grid, doc.CellsOf(0).begin());
    SessionState game = ScenarioState(scenario);
    ClassicRandom random;
    random.Seed(scenario.seed);
    NullSessionHost host;
    BallFlight flight{game, doc, random, host, host};

    int tick = 0;
    for (const int target : scenario.targets) {
        const Grid before = CurrentGrid(doc);
        // A flying ball sees the paddle one unit inside the serving range.
        game.paddleX = std::clamp(target, Playfield::kFlightPaddleMinX, Playfield::kFlightPaddleMaxX);
        const StepOutcome outcome = StepBall(flight);

        WriteTick(++tick, game, outcome, out);
        WriteChangedCells(before, CurrentGrid(doc), out);
        out << '\n';
        if (outcome != StepOutcome::BallInPlay) return;
    }
}

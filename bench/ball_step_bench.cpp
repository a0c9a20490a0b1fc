// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// StepBall per tick on a dense stage: the demonstration's ball bouncing
// among colour and silver blocks. Target: under 0.5 us per tick at turbo
// speed (five sub-steps).
#include <benchmark/benchmark.h>

#include "engine/BallFlight.h"
#include "engine/BallStep.h"
#include "engine/ClassicRandom.h"
#include "engine/NullSessionHost.h"
#include "engine/SessionState.h"
#include "stages/CBlockDoc.h"

namespace {
constexpr int kTurboSpeed = 3;

// Every cell filled: colour blocks in diagonal bands, with silver blocks in
// a lattice so three-hit blocks and cracks are part of the mix.
void FillDenseStage(CBlockDoc& doc) {
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            const bool silver = (row + 2 * column) % 5 == 0;
            doc.SetCell(column, row, silver ? BlockKind::Silver : 1 + (row + column) % BlockKind::LastColour);
        }
}

// The stage and the ball as at the start of a demonstration, whose serve
// launches the ball at once.
void Restart(BallFlight& flight) {
    flight.state.blocksLeft = flight.doc.PrepareStage();
    flight.state.PutBallOnPaddle();
    flight.state.ballState = BallState::InFlight;
}

void BM_StepBallDenseStage(benchmark::State& state) {
    CBlockDoc doc;
    FillDenseStage(doc);
    SessionState game;
    game.mode = GameMode::Demo;
    game.speed = static_cast<int>(state.range(0));
    ClassicRandom random;
    NullSessionHost host;
    BallFlight flight{game, doc, random, host, host};
    Restart(flight);

    std::int64_t clears = 0;
    for (auto _ : state) {
        const StepOutcome outcome = StepBall(flight);
        benchmark::DoNotOptimize(outcome);
        // Keep measuring on a dense stage rather than on an emptied one.
        if (outcome == StepOutcome::StageCleared) {
            Restart(flight);
            ++clears;
        }
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["clears"] = static_cast<double>(clears);
}
BENCHMARK(BM_StepBallDenseStage)->Arg(kTurboSpeed)->Arg(1);
}  // namespace

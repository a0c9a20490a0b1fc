// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "stages/SealedBlocks.h"

class CBlockDoc;

struct PlaytestOptions {
    int speed = 1;
    std::uint32_t seed = 1;
    int maxTicks = 36000;  // 30 minutes of game time
    bool demo = false;     // the demonstration's autopilot instead of the skilled player
};

// A block the ball knocked out, and the tick that did it.
struct Knockout {
    int tick = 0;
    CellAddress cell;
};

struct StageOutcome {
    bool cleared = false;
    int ticks = 0;  // ticks played, up to and including the clearing one
    std::uint16_t score = 0;
    int blocksLeft = 0;  // when not cleared
    int ballsLost = 0;
    std::vector<Knockout> knockouts;  // in the order the blocks fell (row-major within a tick)
};

// Plays one stage of the set headless, with the real session and ball step,
// until it is cleared or the tick limit is reached. A lost ball is served
// and launched again at once and never ends the game.
StageOutcome PlayStage(CBlockDoc& doc, int stage, const PlaytestOptions& options);

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <vector>

#include "tools/blctool/StagePlaytest.h"

// How a cleared stage ended: the time its last blocks took, counted from the
// moment only the last tenth of its blocks (at least one) stood. A stage
// whose last blocks sit where the ball seldom goes drags: the player waits
// minutes for a few blocks after clearing the rest in no time.
struct StageEnding {
    int stageBlocks = 0;             // the blocks the stage had to clear
    int blocks = 0;                  // the last tenth of them
    int ticks = 0;                   // from when that many stood until the stage was cleared
    std::vector<CellAddress> cells;  // those blocks, row-major
    // The longest the player waited for a block to fall, since the one
    // before it or since the launch, and the block that ended the wait: a
    // block the ball reaches only by rare chance.
    int longestWait = 0;
    CellAddress waitedFor;
};

// Nothing for a stage that was not cleared or had nothing to clear.
std::optional<StageEnding> EndingOf(const StageOutcome& outcome);

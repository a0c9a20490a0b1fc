// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/StageEnding.h"

#include <algorithm>
#include <iterator>

#include "stages/CBlockDoc.h"

namespace {
// One block in ten, rounded up.
int EndingBlockCount(int blocksToClear) { return (blocksToClear + 9) / 10; }
}  // namespace

std::optional<StageEnding> EndingOf(const StageOutcome& outcome) {
    const std::vector<Knockout>& fallen = outcome.knockouts;
    if (!outcome.cleared || fallen.empty()) return std::nullopt;
    StageEnding ending;
    ending.stageBlocks = static_cast<int>(fallen.size());
    ending.blocks = EndingBlockCount(ending.stageBlocks);
    const auto first = fallen.end() - ending.blocks;
    // The ending starts when the block before it fell, or with the launch.
    const int start = first == fallen.begin() ? 0 : std::prev(first)->tick;
    ending.ticks = outcome.ticks - start;
    for (auto knockout = first; knockout != fallen.end(); ++knockout) ending.cells.push_back(knockout->cell);
    int previous = 0;
    for (const Knockout& knockout : fallen) {
        if (knockout.tick - previous > ending.longestWait) {
            ending.longestWait = knockout.tick - previous;
            ending.waitedFor = knockout.cell;
        }
        previous = knockout.tick;
    }
    std::ranges::sort(ending.cells, {}, [](const CellAddress& cell) { return CellIndex(cell.column, cell.row); });
    return ending;
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/blctool/StagePlaytest.h"

// The seeds a playtest plays each stage with, first to last.
struct SeedRange {
    std::uint32_t first = 1;
    std::uint32_t last = 1;
    bool Several() const { return last != first; }
};

// One stage played once with each seed of the range, in seed order.
struct StageRuns {
    int stage = 0;  // 0-based
    std::vector<StageOutcome> runs;

    bool AllCleared() const;
    // The mean of the runs' ticks, rounded to the nearest tick.
    long MeanTicks() const;
    bool OverLimit(std::optional<int> limitTicks) const { return limitTicks && MeanTicks() > *limitTicks; }
};

// Game time as minutes, seconds and tenths.
std::string GameTime(long ticks);

// The stage's line: how long it took (the mean over the seeds), how its
// ending went, and whether it kept within its limit.
std::string DescribeStage(const StageRuns& stage, const SeedRange& seeds, std::optional<int> limitTicks);

// The stages whose endings took longest, slowest first: where the set drags.
// Empty when no stage was cleared with anything to clear.
std::string DescribeSlowestEndings(const std::vector<StageRuns>& stages, const SeedRange& seeds);

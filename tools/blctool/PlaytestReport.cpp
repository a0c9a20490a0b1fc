// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/PlaytestReport.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "tools/blctool/StageEnding.h"

namespace {
constexpr int kMillisecondsPerTick = 50;
constexpr std::size_t kStagesListed = 3;
constexpr std::size_t kCellsListed = 4;

// The mean of the runs' ticks, rounded to the nearest tick.
template <typename Run>
long MeanTicksOf(const std::vector<Run>& runs) {
    long sum = 0;
    for (const Run& run : runs) sum += run.ticks;
    const long count = static_cast<long>(runs.size());
    return (sum + count / 2) / count;
}

std::string Ticks(long ticks) { return std::to_string(ticks) + " ticks (" + GameTime(ticks) + ")"; }

std::string StageName(int stage) {
    char name[32];
    std::snprintf(name, sizeof name, "stage %2d", stage + 1);
    return name;
}

std::string CellName(const CellAddress& cell) {
    return "row " + std::to_string(cell.row + 1) + " column " + std::to_string(cell.column + 1);
}

// How the stage ended with each seed; nothing unless every run was cleared.
struct Endings {
    const StageRuns* stage = nullptr;
    std::vector<StageEnding> runs;

    long MeanTicks() const { return MeanTicksOf(runs); }

    // The run with the longest wait for a block; the first of equals.
    std::size_t LongestWaitRun() const {
        return std::ranges::max_element(runs, {}, &StageEnding::longestWait) - runs.begin();
    }
};

std::optional<Endings> EndingsOf(const StageRuns& stage) {
    Endings endings{&stage, {}};
    for (const StageOutcome& run : stage.runs) {
        std::optional<StageEnding> ending = EndingOf(run);
        if (!ending) return std::nullopt;
        endings.runs.push_back(std::move(*ending));
    }
    return endings;
}

std::vector<Endings> EndingsOf(const std::vector<StageRuns>& stages) {
    std::vector<Endings> all;
    for (const StageRuns& stage : stages)
        if (auto endings = EndingsOf(stage)) all.push_back(std::move(*endings));
    return all;
}

std::string SeedNote(const SeedRange& seeds, std::size_t run) {
    return seeds.Several() ? " with seed " + std::to_string(seeds.first + run) : "";
}

std::string LongestWait(const Endings& endings, const SeedRange& seeds) {
    const std::size_t run = endings.LongestWaitRun();
    const StageEnding& ending = endings.runs[run];
    return Ticks(ending.longestWait) + SeedNote(seeds, run) + " for " + CellName(ending.waitedFor);
}

// The blocks most often among the last to fall, most often first, then row-major.
std::string LateCells(const Endings& endings, const SeedRange& seeds) {
    std::map<std::pair<int, int>, int> runsAmongLast;
    for (const StageEnding& ending : endings.runs)
        for (const CellAddress& cell : ending.cells) ++runsAmongLast[{cell.row, cell.column}];
    std::vector<std::pair<std::pair<int, int>, int>> cells(runsAmongLast.begin(), runsAmongLast.end());
    std::ranges::stable_sort(cells, std::greater{}, [](const auto& cell) { return cell.second; });
    std::string list;
    for (std::size_t i = 0; i < cells.size() && i < kCellsListed; ++i) {
        const auto& [address, runs] = cells[i];
        list += (i ? ", " : "") + CellName({address.first, address.second});
        if (seeds.Several()) list += " (" + std::to_string(runs) + (runs == 1 ? " seed)" : " seeds)");
    }
    if (cells.size() > kCellsListed) list += ", ...";
    return list;
}

// The first few of the stages, slowest first by the given measure.
template <typename Measure>
std::vector<const Endings*> Slowest(const std::vector<Endings>& all, Measure measure) {
    std::vector<const Endings*> slowest;
    for (const Endings& endings : all) slowest.push_back(&endings);
    std::ranges::stable_sort(slowest, std::greater{}, [&](const Endings* endings) { return measure(*endings); });
    if (slowest.size() > kStagesListed) slowest.resize(kStagesListed);
    return slowest;
}
}  // namespace

bool StageRuns::AllCleared() const {
    return std::ranges::all_of(runs, [](const StageOutcome& run) { return run.cleared; });
}

long StageRuns::MeanTicks() const { return MeanTicksOf(runs); }

std::string GameTime(long ticks) {
    const long tenths = ticks * kMillisecondsPerTick / 100;
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld.%ld", tenths / 600, tenths / 10 % 60, tenths % 10);
    return text;
}

std::string DescribeStage(const StageRuns& stage, const SeedRange& seeds, std::optional<int> limitTicks) {
    const bool several = seeds.Several();
    std::string line = StageName(stage.stage) + ": ";
    const auto failed = std::ranges::find_if(stage.runs, [](const StageOutcome& run) { return !run.cleared; });
    if (failed != stage.runs.end()) {
        line += "NOT cleared" + SeedNote(seeds, failed - stage.runs.begin()) + ": " +
                std::to_string(failed->blocksLeft) + " blocks left after " + Ticks(failed->ticks);
    } else {
        line += "cleared in " + Ticks(stage.MeanTicks());
        if (several) {
            const auto slowest = std::ranges::max_element(stage.runs, {}, &StageOutcome::ticks);
            line += " on average, slowest" + SeedNote(seeds, slowest - stage.runs.begin()) + " in " +
                    Ticks(slowest->ticks);
        }
    }
    if (!several) {
        const StageOutcome& run = stage.runs.front();
        line += ", score " + std::to_string(run.score);
        if (run.ballsLost > 0) line += ", balls lost " + std::to_string(run.ballsLost);
    }
    if (const auto endings = EndingsOf(stage)) {
        const StageEnding& first = endings->runs.front();
        line += "; last " + std::to_string(first.blocks) + " of " + std::to_string(first.stageBlocks) +
                " blocks in " + Ticks(endings->MeanTicks()) + (several ? " on average" : "") + "; longest wait " +
                LongestWait(*endings, seeds);
    }
    if (stage.OverLimit(limitTicks)) line += "; OVER its limit of " + Ticks(*limitTicks);
    return line;
}

std::string DescribeSlowestEndings(const std::vector<StageRuns>& stages, const SeedRange& seeds) {
    const std::vector<Endings> all = EndingsOf(stages);
    if (all.empty()) return {};
    std::string text = "slowest endings (from when the last tenth of a stage's blocks stood):\n";
    for (const Endings* endings : Slowest(all, [](const Endings& e) { return e.MeanTicks(); })) {
        const long whole = endings->stage->MeanTicks();
        text += "  " + StageName(endings->stage->stage) + ": " + Ticks(endings->MeanTicks()) + " of " +
                GameTime(whole) + " (" + std::to_string(endings->MeanTicks() * 100 / whole) + " %), last blocks " +
                LateCells(*endings, seeds) + "\n";
    }
    text += "longest waits for a block:\n";
    for (const Endings* endings :
         Slowest(all, [](const Endings& e) { return e.runs[e.LongestWaitRun()].longestWait; }))
        text += "  " + StageName(endings->stage->stage) + ": " + LongestWait(*endings, seeds) + "\n";
    return text;
}

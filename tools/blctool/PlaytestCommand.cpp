// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// blctool playtest: plays each stage of a set headless and tells how long
// it took to clear, or how much was left when time ran out, and where the
// set drags: the stages whose last blocks take longest to reach.
#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>

#include "stages/CBlockDoc.h"
#include "tools/blctool/BlcFiles.h"
#include "tools/blctool/Command.h"
#include "tools/blctool/PlaytestReport.h"
#include "tools/blctool/StagePlaytest.h"

namespace {
constexpr int kAllCleared = 0;
constexpr int kSomeNotCleared = 1;
constexpr int kUsageError = 2;

constexpr std::string_view kUsage =
    "FILE.blc [--stage N] [--speed S] [--seed X[-Y]] [--max-ticks N] [--limit T[,T...]]\n"
    "      [--set-limit T] [--demo]\n"
    "      plays every stage (or only stage N, 1..10 as the status bar counts) at speed S\n"
    "      (0..3, default 1) until it is cleared or N ticks (default 36000, 30 minutes) have\n"
    "      passed. The player aims each return at an offset drawn from std::mt19937 seeded\n"
    "      with X (default 1), which also seeds the game's generator; with X-Y each stage is\n"
    "      played once per seed and the times are their means. --demo lets the\n"
    "      demonstration's autopilot play instead. Each line tells how long the last tenth\n"
    "      of the stage's blocks took and the longest wait for one block; the three slowest\n"
    "      endings and the three longest waits close the report, naming their blocks.\n"
    "      --limit gives each stage at most T ticks (a list gives stages 1, 2, ... theirs,\n"
    "      the last for the rest), --set-limit the whole set. Exit 0 only when every stage\n"
    "      was cleared within its limits";

struct Arguments {
    std::string path;
    std::optional<int> stage;  // 0-based
    PlaytestOptions options;
    SeedRange seeds;
    std::vector<int> limits;  // ticks for stages 1, 2, ...; the last holds for the rest
    std::optional<long> setLimit;

    std::optional<int> LimitOf(int stage) const {
        if (limits.empty()) return std::nullopt;
        return limits[std::min<std::size_t>(stage, limits.size() - 1)];
    }
};

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseTicks(std::string_view text) {
    const auto ticks = ParseNumber<int>(text);
    if (!ticks || *ticks < 1) return std::nullopt;
    return ticks;
}

// "X" or "X-Y" with X <= Y.
std::optional<SeedRange> ParseSeeds(std::string_view text) {
    const std::size_t dash = text.find('-');
    const auto first = ParseNumber<std::uint32_t>(text.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : ParseNumber<std::uint32_t>(text.substr(dash + 1));
    if (!first || !last || *last < *first) return std::nullopt;
    return SeedRange{*first, *last};
}

// "T,T,..." with at most one limit per stage.
std::optional<std::vector<int>> ParseLimits(std::string_view text) {
    std::vector<int> limits;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const auto ticks = ParseTicks(text.substr(start, comma - start));
        if (!ticks || limits.size() == kStageCount) return std::nullopt;
        limits.push_back(*ticks);
        start = comma + 1;
    }
    return limits;
}

// Stores what an option's value parses to; false when it does not parse.
template <typename Target, typename Parsed>
bool Take(Target& target, const std::optional<Parsed>& parsed) {
    if (!parsed) return false;
    target = *parsed;
    return true;
}

bool ParseOption(const std::string& option, const std::string& value, Arguments& parsed) {
    if (option == "--stage") {
        const auto number = ParseNumber<int>(value);
        if (!number || *number < 1 || *number > kStageCount) return false;
        parsed.stage = *number - 1;
        return true;
    }
    if (option == "--speed") {
        const auto speed = ParseNumber<int>(value);
        if (!speed || *speed < 0 || *speed > 3) return false;
        parsed.options.speed = *speed;
        return true;
    }
    if (option == "--seed") return Take(parsed.seeds, ParseSeeds(value));
    if (option == "--max-ticks") return Take(parsed.options.maxTicks, ParseTicks(value));
    if (option == "--limit") return Take(parsed.limits, ParseLimits(value));
    if (option == "--set-limit") return Take(parsed.setLimit, ParseTicks(value));
    return false;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--demo") {
            parsed.options.demo = true;
        } else if (arg.starts_with("--")) {
            if (i + 1 == args.size() || !ParseOption(arg, args[++i], parsed)) return std::nullopt;
        } else if (parsed.path.empty()) {
            parsed.path = arg;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.path.empty()) return std::nullopt;
    return parsed;
}

StageRuns PlayWithEverySeed(CBlockDoc& doc, int stage, const Arguments& arguments) {
    StageRuns played{stage, {}};
    PlaytestOptions options = arguments.options;
    for (std::uint32_t seed = arguments.seeds.first;; ++seed) {
        options.seed = seed;
        played.runs.push_back(PlayStage(doc, stage, options));
        if (seed == arguments.seeds.last) break;  // the range may end at the largest seed
    }
    return played;
}

int Playtest(const std::vector<std::string>& args) {
    const std::optional<Arguments> parsed = ParseArguments(args);
    if (!parsed) {
        std::cerr << "usage: blctool playtest " << kUsage << '\n';
        return kUsageError;
    }
    CBlockDoc doc;
    if (const auto problem = LoadStageSet(parsed->path, doc)) {
        std::cerr << parsed->path << ": " << *problem << '\n';
        return kUsageError;
    }
    const int first = parsed->stage.value_or(0);
    const int last = parsed->stage.value_or(kStageCount - 1);
    std::vector<StageRuns> stages;
    bool passed = true;
    long totalTicks = 0;
    for (int stage = first; stage <= last; ++stage) {
        StageRuns played = PlayWithEverySeed(doc, stage, *parsed);
        const std::optional<int> limit = parsed->LimitOf(stage);
        std::cout << DescribeStage(played, parsed->seeds, limit) << '\n';
        passed = passed && played.AllCleared() && !played.OverLimit(limit);
        totalTicks += played.MeanTicks();
        stages.push_back(std::move(played));
    }
    const auto cleared = std::ranges::count_if(stages, &StageRuns::AllCleared);
    std::cout << cleared << " of " << stages.size() << " stage(s) cleared, " << totalTicks << " ticks in all ("
              << GameTime(totalTicks) << ")" << (parsed->seeds.Several() ? " on average" : "");
    if (parsed->setLimit && totalTicks > *parsed->setLimit) {
        std::cout << "; OVER the set's limit of " << *parsed->setLimit << " ticks (" << GameTime(*parsed->setLimit)
                  << ")";
        passed = false;
    }
    std::cout << '\n' << DescribeSlowestEndings(stages, parsed->seeds);
    return passed ? kAllCleared : kSomeNotCleared;
}

const CommandRegistration kPlaytest{{"playtest", kUsage, &Playtest}};
}  // namespace

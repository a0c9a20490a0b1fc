// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// blctool playtest: plays each stage of a set headless and tells how long
// it took to clear, or how much was left when time ran out.
#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>

#include "stages/CBlockDoc.h"
#include "tools/blctool/BlcFiles.h"
#include "tools/blctool/Command.h"
#include "tools/blctool/StagePlaytest.h"

namespace {
constexpr int kAllCleared = 0;
constexpr int kSomeNotCleared = 1;
constexpr int kUsageError = 2;
constexpr int kMillisecondsPerTick = 50;

constexpr std::string_view kUsage =
    "FILE.blc [--stage N] [--speed S] [--seed X] [--max-ticks N] [--demo]\n"
    "      plays every stage (or only stage N, 1..10 as the status bar counts) at speed S\n"
    "      (0..3, default 1) until it is cleared or N ticks (default 36000, 30 minutes) have\n"
    "      passed. The player aims each return at an offset drawn from std::mt19937 seeded\n"
    "      with X (default 1), which also seeds the game's generator; --demo lets the\n"
    "      demonstration's autopilot play instead. Exit 0 only when every stage was cleared";

struct Arguments {
    std::string path;
    std::optional<int> stage;  // 0-based
    PlaytestOptions options;
};

template <typename Number>
std::optional<Number> ParseNumber(const std::string& text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args) {
    Arguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--demo") {
            parsed.options.demo = true;
        } else if (arg == "--stage" && hasValue) {
            const auto number = ParseNumber<int>(args[++i]);
            if (!number || *number < 1 || *number > kStageCount) return std::nullopt;
            parsed.stage = *number - 1;
        } else if (arg == "--speed" && hasValue) {
            const auto speed = ParseNumber<int>(args[++i]);
            if (!speed || *speed < 0 || *speed > 3) return std::nullopt;
            parsed.options.speed = *speed;
        } else if (arg == "--seed" && hasValue) {
            const auto seed = ParseNumber<std::uint32_t>(args[++i]);
            if (!seed) return std::nullopt;
            parsed.options.seed = *seed;
        } else if (arg == "--max-ticks" && hasValue) {
            const auto ticks = ParseNumber<int>(args[++i]);
            if (!ticks || *ticks < 1) return std::nullopt;
            parsed.options.maxTicks = *ticks;
        } else if (parsed.path.empty() && !arg.starts_with("--")) {
            parsed.path = arg;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.path.empty()) return std::nullopt;
    return parsed;
}

// Game time as minutes, seconds and tenths.
std::string GameTime(int ticks) {
    const long tenths = static_cast<long>(ticks) * kMillisecondsPerTick / 100;
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld.%ld", tenths / 600, tenths / 10 % 60, tenths % 10);
    return text;
}

std::string Describe(int stage, const StageOutcome& outcome) {
    char head[32];
    std::snprintf(head, sizeof head, "stage %2d: ", stage + 1);
    std::string line = head;
    if (outcome.cleared)
        line += "cleared in " + std::to_string(outcome.ticks) + " ticks (" + GameTime(outcome.ticks) + ")";
    else
        line += "NOT cleared: " + std::to_string(outcome.blocksLeft) + " blocks left after " +
                std::to_string(outcome.ticks) + " ticks (" + GameTime(outcome.ticks) + ")";
    line += ", score " + std::to_string(outcome.score);
    if (outcome.ballsLost > 0) line += ", balls lost " + std::to_string(outcome.ballsLost);
    return line;
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
    int cleared = 0;
    long totalTicks = 0;
    for (int stage = first; stage <= last; ++stage) {
        const StageOutcome outcome = PlayStage(doc, stage, parsed->options);
        std::cout << Describe(stage, outcome) << '\n';
        cleared += outcome.cleared ? 1 : 0;
        totalTicks += outcome.ticks;
    }
    const int tried = last - first + 1;
    std::cout << cleared << " of " << tried << " stage(s) cleared, " << totalTicks << " ticks in all ("
              << GameTime(static_cast<int>(totalTicks)) << ")\n";
    return cleared == tried ? kAllCleared : kSomeNotCleared;
}

const CommandRegistration kPlaytest{{"playtest", kUsage, &Playtest}};
}  // namespace

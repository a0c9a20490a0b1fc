// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/GameTypes.h"
#include "engine/Playfield.h"
#include "stages/CBlockDoc.h"

// A scripted run of the ball for `blctool trace`: the session's starting
// fields, the current stage's cells as they lie in memory, and the paddle
// target of every tick. Unset fields keep the values a served ball has.
struct TraceScenario {
    GameMode mode = GameMode::Play;
    int speed = 1;
    std::uint32_t seed = 1;
    int paddleX = Playfield::kServeX;
    int ballX = Playfield::kServeX;
    int ballY = Playfield::kBallRestY;
    int ballDX = Playfield::kServeDX;
    int ballDY = Playfield::kServeDY;
    std::uint16_t score = 0;
    std::uint16_t highScore = 0;
    std::optional<int> blocksLeft;  // counted from the grid when not given
    std::array<std::int8_t, kCellsPerStage> grid{};
    std::vector<int> targets;
};

// The first fault of a scenario text, with its 1-based line.
struct ScenarioError {
    int line = 0;
    std::string message;
};

struct ScenarioParse {
    std::optional<TraceScenario> scenario;
    ScenarioError error;  // meaningful when there is no scenario
};

ScenarioParse ParseTraceScenario(std::string_view text);

// The breakable blocks standing in a grid: what blocksLeft starts at when
// the scenario does not say.
int CountStandingBreakable(const std::array<std::int8_t, kCellsPerStage>& grid);

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// The texts of the four status panes (UTF-8).
namespace StatusTexts {

// What a pane shows before the session first sets it; it also sizes the pane.
inline constexpr const char* kStageSizing = "ステージ 100";
inline constexpr const char* kHighScoreSizing = "最高得点 100000";
inline constexpr const char* kScoreSizing = "得点 100000";
inline constexpr const char* kBallsLeftSizing = "ボール残り 100";

// Players count stages from 1.
std::string Stage(int stageIndex);
std::string HighScore(std::uint16_t value);
std::string Score(std::uint16_t value);
// The balls in reserve: the one in play is not counted.
std::string BallsLeft(int ballsLeft);

}  // namespace StatusTexts

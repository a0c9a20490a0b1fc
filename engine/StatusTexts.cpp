// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/StatusTexts.h"

#include <cstdio>

namespace StatusTexts {
namespace {
// Long enough for any int or unsigned in the widest of the formats.
constexpr int kBufferSize = 64;

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char buffer[kBufferSize];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}
}  // namespace

std::string Stage(int stageIndex) { return Format("ステージ %3d", stageIndex + 1); }

std::string HighScore(std::uint16_t value) { return Format("最高得点 %6u", unsigned{value}); }

std::string Score(std::uint16_t value) { return Format("得点 %6u", unsigned{value}); }

std::string BallsLeft(int ballsLeft) {
    return Format("残りボール %3u", static_cast<unsigned>(ballsLeft - 1));
}

}  // namespace StatusTexts

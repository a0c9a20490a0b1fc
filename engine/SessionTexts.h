// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Messages the game session shows (UTF-8).
namespace SessionTexts {
inline constexpr const char* kGameOver = "GAME OVER";
inline constexpr const char* kBonusBall = "ボーナスボールが追加されました!";
inline constexpr const char* kNoTimer = "タイマーが使用できませんので終了します";
}  // namespace SessionTexts

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/SessionPlatform.h"

// A session platform with no window, panes or sound: every effect goes
// nowhere. For headless runs of the real session (tools, benchmarks) whose
// result is read from the session and the stage itself.
class NullSessionPlatform : public SessionPlatform {
public:
    void ShowMessage(std::string_view, MessageIcon) override {}
    bool SetGameTimer() override { return true; }
    void KillGameTimer() override {}
    void InvalidateView() override {}
    void DestroyView() override {}
    void DrawCell(int, int) override {}
    void MovePaddleSprite(int, int) override {}
    void MoveServingBallSprite(int, int) override {}
    void MoveBallSprite(Point, Point) override {}
    void EraseBallSquare(Point) override {}
    void ShowStage(int) override {}
    void ShowHighScore(std::uint16_t) override {}
    void ShowScore(std::uint16_t) override {}
    void ShowBallsLeft(int) override {}
    void PlayEffect(SoundEvent) override {}
    void PlayMusic(MusicScene) override {}
    void StopMusic() override {}
    PaddleInput ReadPaddleInput() override { return {}; }
    std::uint32_t TickCount() override { return 0; }
    int MidiOutputCount() override { return 0; }
    int WaveOutputCount() override { return 0; }
};

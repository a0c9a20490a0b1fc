// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/PlayfieldCanvas.h"
#include "engine/SessionHost.h"
#include "engine/StatusPanes.h"

// A host, canvas and panes with no window: nothing is drawn or shown, the
// tick can always be had, and the clock stands at 0. For headless runs of
// the real session (tools, benchmarks) whose result is read from the
// session and the stage itself.
class NullSessionHost : public SessionHost, public PlayfieldCanvas, public NoStatusPanes {
public:
    bool SetGameTimer() override { return true; }
    void KillGameTimer() override {}
    std::uint32_t TickCount() override { return 0; }
    PaddleInput ReadPaddleInput() override { return {}; }
    void ShowMessage(std::string_view, MessageIcon) override {}
    void DestroyView() override {}

    void InvalidateView() override {}
    void DrawCell(int, int) override {}
    void MovePaddleSprite(int, int) override {}
    void MoveServingBallSprite(int, int) override {}
    void MoveBallSprite(Point, Point) override {}
    void EraseBallSquare(Point) override {}
};

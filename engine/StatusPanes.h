// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The four game indicators of the window's status bar. The session reports
// through the view, and whichever window holds the view shows them.
class StatusPanes {
public:
    virtual ~StatusPanes() = default;

    virtual void ShowStage(int stageIndex) = 0;
    virtual void ShowHighScore(std::uint16_t value) = 0;
    virtual void ShowScore(std::uint16_t value) = 0;
    virtual void ShowBallsLeft(int ballsLeft) = 0;
};

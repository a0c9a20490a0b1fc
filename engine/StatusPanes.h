// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The four game indicators of the window's status bar, which the session
// keeps up to date.
class StatusPanes {
public:
    virtual ~StatusPanes() = default;

    virtual void ShowStage(int stageIndex) = 0;
    virtual void ShowHighScore(std::uint16_t value) = 0;
    virtual void ShowScore(std::uint16_t value) = 0;
    virtual void ShowBallsLeft(int ballsLeft) = 0;
};

// No indicators to show: a session before its window, or without one.
class NoStatusPanes : public StatusPanes {
public:
    void ShowStage(int) override {}
    void ShowHighScore(std::uint16_t) override {}
    void ShowScore(std::uint16_t) override {}
    void ShowBallsLeft(int) override {}
};

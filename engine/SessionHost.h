// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

#include "base/MessageIcon.h"
#include "engine/PaddleTarget.h"

// What the session needs of the window it runs in, besides drawing: the
// 50 ms tick, the clock that seeds the game, the player's input, modal
// message boxes, and closing the view when nothing can move.
class SessionHost {
public:
    virtual ~SessionHost() = default;

    // Timer 1: a 50 ms periodic tick. Setting it can fail.
    virtual bool SetGameTimer() = 0;
    virtual void KillGameTimer() = 0;

    virtual std::uint32_t TickCount() = 0;

    // Input sampled once per tick for the paddle.
    virtual PaddleInput ReadPaddleInput() = 0;

    // A modal message box that returns when the user closes it. Texts are UTF-8.
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;

    virtual void DestroyView() = 0;
};

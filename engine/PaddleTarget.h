// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameSession;

// The input state that steers the paddle, sampled at one tick.
struct PaddleInput {
    bool leftKey = false;
    bool rightKey = false;
    bool shiftKey = false;
    int pointerClientX = 0;  // pixels in the view's client area; may lie outside it
    int zoom = 2;
};

// Where the paddle centre should be this tick, within 40..919: under the
// ball in the demonstration, else from the keyboard or the mouse.
int PaddleTarget(const GameSession& session, const PaddleInput& input);

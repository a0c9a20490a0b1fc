// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/PaddleTarget.h"

#include <algorithm>

#include "base/Zoom.h"
#include "engine/GameSession.h"

namespace {
int KeyboardMove(int speed, const PaddleInput& input) {
    const int step = (speed + 1) * 6;
    int move = 0;
    if (input.leftKey)
        move = -step;  // left wins when both arrows are held
    else if (input.rightKey)
        move = step;
    return input.shiftKey ? move * 2 : move;
}
}  // namespace

int PaddleTarget(const GameSession& session, const PaddleInput& input) {
    const SessionState& state = session.State();
    int target;
    if (state.mode == GameMode::Demo)
        target = state.ballX;
    else if (state.keyboardControl)
        target = state.paddleX + KeyboardMove(state.speed, input);
    else
        target = PixelToLogical(input.pointerClientX, input.zoom);
    return std::clamp(target, Playfield::kPaddleMinX, Playfield::kPaddleMaxX);
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/PaddleTarget.h"

#include <algorithm>

#include "base/Zoom.h"
#include "engine/GameSession.h"

namespace {
int KeyboardMove(const GameSession& session, const PaddleInput& input) {
    const int step = (session.State().speed + 1) * 6;
    int move = 0;
    if (input.leftKey)
        move = -step;  // left wins when both arrows are held
    else if (input.rightKey)
        move = step;
    return input.shiftKey ? move * 2 : move;
}
}  // namespace

int PaddleTarget(const GameSession& session, const PaddleInput& input) {
    int target;
    if (session.State().mode == GameMode::Demo)
        target = session.State().ballX;
    else if (session.State().keyboardControl)
        target = session.State().paddleX + KeyboardMove(session, input);
    else
        target = PixelToLogical(input.pointerClientX, input.zoom);
    return std::clamp(target, Playfield::kPaddleMinX, Playfield::kPaddleMaxX);
}

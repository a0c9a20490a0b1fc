// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/PointerChoice.h"

#include "engine/EditorHitTest.h"
#include "engine/GameSession.h"

namespace {
PointerShape PlayPointer(const SessionState& state) {
    if (state.ballState == BallState::Paused) return PointerShape::Pause;
    // Hiding is for steering with the mouse; a ball on the paddle still
    // needs the pointer to aim the launch.
    const bool hidden = !state.keyboardControl && state.hideCursor && state.ballState == BallState::InFlight;
    return hidden ? PointerShape::None : PointerShape::Play;
}
}  // namespace

PointerShape ChoosePointer(const GameSession& session, PixelPoint point, const ZoomLevel& zoom) {
    switch (session.State().mode) {
    case GameMode::Demo: return PointerShape::Arrow;
    case GameMode::Play: return PlayPointer(session.State());
    case GameMode::Editor:
        return GridCellAt(point, zoom) ? PointerShape::Editor : PointerShape::Arrow;
    }
    return PointerShape::Arrow;
}

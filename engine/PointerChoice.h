// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/Zoom.h"
#include "engine/PixelPoint.h"

class GameSession;

enum class PointerShape {
    Arrow,   // the system's standard arrow
    Play,    // a thin vertical line over the paddle's track
    Pause,   // the pause sign
    Editor,  // a paint brush over the editor's grid
    None,    // hidden while the mouse steers a flying ball
};

// The pointer over the view for the session's state, with the pointer at
// `point` (client pixels; only the editor asks where it is).
PointerShape ChoosePointer(const GameSession& session, PixelPoint point, const ZoomLevel& zoom);

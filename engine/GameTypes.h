// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The sound's events and scenes and the message icons, shared with the game.
#include "base/MessageIcon.h"
#include "sound/SoundTypes.h"

enum class GameMode { Play = 0, Demo = 1, Editor = 2 };

enum class BallState { InFlight = 0, Serving = 1, Paused = 2 };

enum class StepOutcome { BallLost = 0, BallInPlay = 1, StageCleared = 2 };

// A point in playfield units: origin at the interior's top-left, y down.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/GameTypes.h"

struct BallFlight;

// Advances the flying ball through one tick of speed + 2 sub-steps: moves
// it, resolves paddle, wall, ceiling, floor and block collisions, scores,
// records the tick's event and draws the ball at its new place.
StepOutcome StepBall(BallFlight& flight);

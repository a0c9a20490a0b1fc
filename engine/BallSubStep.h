// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct BallFlight;

enum class SubStepEnd { Flying, Lost };

// One sub-step of the ball: moves it by its whole velocity, then resolves
// the paddle, the walls, the floor line, the blocks, the score panes, the
// ceiling and the gold-block nudge, in that order. Does not reset the
// session's lastEvent (that happens once per tick) and draws no sprite.
SubStepEnd StepBallOnce(BallFlight& flight);

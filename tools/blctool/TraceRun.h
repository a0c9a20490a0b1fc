// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

struct TraceScenario;

// Plays the scenario through the real session and ball step, one line per
// tick: tick, paddleX, ballX, ballY, ballDX, ballDY, score, highScore,
// blocksLeft, lastEvent, outcome, then row:column:byte of every cell the
// tick changed. Stops after the tick that loses the ball or clears the
// stage, or after the last target.
void WriteTrace(const TraceScenario& scenario, std::ostream& out);

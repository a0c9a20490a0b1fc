// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameSession;

// When the player turns to another program, a ball in flight would be lost
// unseen: in play it pauses as the pause command pauses it, and the player
// goes on with Esc, Space or a click as after any pause. A ball resting on
// the paddle waits anyway, and the demonstration has nobody to lose a ball.
// Returns whether the ball was paused.
bool PauseWhileAway(GameSession& session);

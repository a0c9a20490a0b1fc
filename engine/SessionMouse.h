// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameSession;

// What a button press on the playfield does outside the editor. In play
// the left button launches the ball (or ends a pause); in the
// demonstration it hands the game to the player, who starts with the ball
// on the paddle. The right button pauses.
void PressLeftOutsideEditor(GameSession& session);
void PressRightOutsideEditor(GameSession& session);

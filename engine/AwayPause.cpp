// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/AwayPause.h"

#include "engine/GameSession.h"

bool PauseWhileAway(GameSession& session) {
    if (session.State().mode != GameMode::Play || session.State().ballState != BallState::InFlight) return false;
    session.Pause();
    return true;
}

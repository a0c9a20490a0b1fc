// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/SessionMouse.h"

#include "engine/GameSession.h"

void PressLeftOutsideEditor(GameSession& session) {
    switch (session.mode) {
    case GameMode::Play: session.LaunchBall(); break;
    case GameMode::Demo:
        session.mode = GameMode::Play;
        session.StartGame();
        session.ballState = BallState::Serving;
        break;
    case GameMode::Editor: break;  // the editor paints instead
    }
}

void PressRightOutsideEditor(GameSession& session) {
    if (session.mode == GameMode::Editor) return;  // the editor paints instead
    session.ballState = BallState::Paused;
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/SessionMouse.h"

#include "engine/GameSession.h"

void PressLeftOutsideEditor(GameSession& session) {
    switch (session.State().mode) {
    case GameMode::Play: session.LaunchBall(); break;
    case GameMode::Demo:
        session.ChooseMode(GameMode::Play);  // a new game, the ball on the paddle
        break;
    case GameMode::Editor: break;  // the editor paints instead
    }
}

void PressRightOutsideEditor(GameSession& session) {
    if (session.State().mode == GameMode::Editor) return;  // the editor paints instead
    session.Pause();
}

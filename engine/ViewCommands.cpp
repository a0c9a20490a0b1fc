// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/ViewCommands.h"

#include "engine/CommandRules.h"
#include "engine/GameSession.h"

bool IsViewCommandEnabled(ViewCommand command, const GameSession& session) {
    return CommandStateOf(static_cast<int>(command), SessionContext(session)).enabled;
}

bool RunViewCommand(ViewCommand command, GameSession& session) {
    if (!IsViewCommandEnabled(command, session)) return false;
    switch (command) {
    case ViewCommand::Play: session.ChooseMode(GameMode::Play); break;
    case ViewCommand::Demo: session.ChooseMode(GameMode::Demo); break;
    case ViewCommand::Editor: session.ChooseMode(GameMode::Editor); break;
    case ViewCommand::Pause: session.TogglePause(); break;
    case ViewCommand::Launch: session.LaunchBall(); break;
    }
    return true;
}

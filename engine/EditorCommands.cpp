// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/EditorCommands.h"

#include "base/CommandIds.h"
#include "engine/CommandRules.h"
#include "engine/GameSession.h"
#include "stages/CBlockDoc.h"

bool RunStageCommand(int commandId, GameSession& session) {
    if (commandId != CommandId::NextStage && commandId != CommandId::PrevStage) return false;
    if (!CommandStateOf(commandId, SessionContext(session)).enabled) return false;
    if (commandId == CommandId::NextStage)
        session.Doc().NextStage();
    else
        session.Doc().PrevStage();
    session.StartGame();
    return true;
}

#include "engine/EditorCommands.h"

#include "engine/GameSession.h"
#include "shell/CommandIds.h"
#include "shell/CommandRules.h"
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

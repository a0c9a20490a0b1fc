#include "engine/EditorCommands.h"

#include "engine/GameSession.h"
#include "shell/CommandIds.h"
#include "stages/CBlockDoc.h"

bool IsEditorCommand(int commandId) {
    switch (commandId) {
    case CommandId::NextStage:
    case CommandId::PrevStage:
    case CommandId::BonusBall:
    case CommandId::AllClearMessage:
    case CommandId::DeleteStage:
    case CommandId::FileNew:
    case CommandId::FileSave:
    case CommandId::FileSaveAs:
    case CommandId::EditUndo:
    case CommandId::EditRedo: return true;
    default: return false;
    }
}

bool IsEditorCommandEnabled(int commandId, const GameSession& session, EditHistoryState history) {
    const CBlockDoc& doc = session.Doc();
    const bool inEditor = session.mode == GameMode::Editor;
    switch (commandId) {
    case CommandId::NextStage: return doc.CurrentStage() < kStageCount - 1;
    case CommandId::PrevStage: return doc.CurrentStage() > 0;
    case CommandId::BonusBall:
    case CommandId::AllClearMessage:
    case CommandId::DeleteStage:
    case CommandId::FileNew: return inEditor;
    case CommandId::FileSave:
    case CommandId::FileSaveAs: return inEditor && doc.IsModified();
    case CommandId::EditUndo: return inEditor && history.canUndo;
    case CommandId::EditRedo: return inEditor && history.canRedo;
    default: return false;
    }
}

bool IsEditorCommandChecked(int commandId, const GameSession& session) {
    return commandId == CommandId::BonusBall && session.Doc().BonusBall();
}

bool RunStageCommand(int commandId, GameSession& session) {
    if (commandId != CommandId::NextStage && commandId != CommandId::PrevStage) return false;
    if (!IsEditorCommandEnabled(commandId, session)) return false;
    if (commandId == CommandId::NextStage)
        session.Doc().NextStage();
    else
        session.Doc().PrevStage();
    session.StartGame();
    return true;
}

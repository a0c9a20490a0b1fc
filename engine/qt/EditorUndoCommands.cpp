// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/EditorUndoCommands.h"

#include <utility>

StageEditCommand::StageEditCommand(GameSession& session, StageContents before, StageContents after)
    : session_(&session), before_(std::move(before)), after_(std::move(after)) {}

void StageEditCommand::undo() {
    RestoreStage(*session_, before_);
    done_ = false;
}

void StageEditCommand::redo() {
    if (std::exchange(done_, false)) return;
    RestoreStage(*session_, after_);
}

MessageEditCommand::MessageEditCommand(CBlockDoc& doc, const MessageField& before, const MessageField& after)
    : doc_(&doc), before_(before), after_(after) {}

void MessageEditCommand::undo() {
    RestoreMessage(*doc_, before_);
    done_ = false;
}

void MessageEditCommand::redo() {
    if (std::exchange(done_, false)) return;
    RestoreMessage(*doc_, after_);
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUndoCommand>

#include "engine/StageEdits.h"

class GameSession;

// One step of the editor's history, pushed after the change was made: a
// paint stroke, a bonus toggle or a stage clearing (the stage before and
// after it), or a new all-clear message (the field before and after it).
// The push does not make the change a second time.
class StageEditCommand : public QUndoCommand {
public:
    StageEditCommand(GameSession& session, StageContents before, StageContents after);
    void undo() override;
    void redo() override;

private:
    GameSession* session_;
    StageContents before_;
    StageContents after_;
    bool done_ = true;  // the change is in the set already when the step is pushed
};

class MessageEditCommand : public QUndoCommand {
public:
    MessageEditCommand(CBlockDoc& doc, const MessageField& before, const MessageField& after);
    void undo() override;
    void redo() override;

private:
    CBlockDoc* doc_;
    MessageField before_;
    MessageField after_;
    bool done_ = true;
};

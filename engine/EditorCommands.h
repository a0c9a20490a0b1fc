#pragma once

class GameSession;

// Whether the editor's history holds a change to take back or to do again.
struct EditHistoryState {
    bool canUndo = false;
    bool canRedo = false;
};

// The stage editor's commands, by their identifiers in shell/CommandIds.h:
// next and previous stage, bonus ball, all-clear message, delete stage,
// New, Save, Save As, Undo and Redo.
bool IsEditorCommand(int commandId);

// The stage commands work in every mode but never leave 0..9; the others
// only in the editor, Save and Save As only while the set is modified,
// Undo and Redo only while there is something to undo or redo.
bool IsEditorCommandEnabled(int commandId, const GameSession& session, EditHistoryState history = {});

// Only the bonus-ball item carries a mark: checked while the current
// stage's flag is set.
bool IsEditorCommandChecked(int commandId, const GameSession& session);

// Next or previous stage: moves one stage and restarts the game there, in
// whatever mode. Returns whether it ran; a disabled command is ignored.
bool RunStageCommand(int commandId, GameSession& session);

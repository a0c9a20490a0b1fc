// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QObject>
#include <QUndoStack>

#include "base/Zoom.h"
#include "engine/CommandRules.h"
#include "engine/EditorHitTest.h"
#include "engine/PixelPoint.h"
#include "engine/StageEdits.h"

class CBlockDoc;
class GameSession;
class QWidget;

// Where the editor shows what it paints: a cell of the grid, and a kind in
// one of the two sample boxes below it.
class EditorCanvas {
public:
    virtual ~EditorCanvas() = default;
    virtual void DrawCell(int column, int row) = 0;
    virtual void DrawSample(PixelPoint origin, int kind) = 0;
};

// The stage editor of the playfield view: painting the current stage's
// cells with the two kinds picked from the palette, the editor's commands,
// and a history of every change made there, to undo and redo.
class StageEditor : public QObject {
    Q_OBJECT
public:
    StageEditor(GameSession& session, EditorCanvas& canvas);

    // The kinds the left and right buttons paint with.
    int LeftKind() const { return leftKind_; }
    int RightKind() const { return rightKind_; }

    // A button pressed on the palette picks its kind; on the grid it paints
    // the cell and holds the mouse until the release, painting each cell
    // the pointer meets with the kind of the button that started the drag.
    void Press(PixelPoint point, bool left, const ZoomLevel& zoom);
    void Drag(PixelPoint point, const ZoomLevel& zoom);
    void Release(PixelPoint point, bool left, const ZoomLevel& zoom);
    bool Dragging() const { return capture_; }
    // Ends the drag without painting; the stroke becomes one step of the history.
    void EndCapture();
    // Records the stroke being painted as one step of the history.
    void EndStroke();
    // A new set: the history belonged to the set before, and no drag goes on.
    void Forget();

    // What the commands' rules see of the session, its stage set and the
    // history. A stroke still being painted counts as a change to undo:
    // Undo ends it first.
    CommandContext Context() const;
    // The editor's commands by identifier (base/CommandIds.h): next and
    // previous stage, bonus ball, all-clear message, delete stage, New, Save,
    // Save As, Undo and Redo. New, Save and Save As are DocumentCommands'.
    bool IsCommandEnabled(int commandId) const;
    bool IsCommandChecked(int commandId) const;

    // Each does nothing while its command is disabled.
    void NextStage();
    void PrevStage();
    void BonusBall();
    void DeleteStage();
    void Undo();
    void Redo();
    // Asks for the all-clear message with the current one in UTF-8; nothing
    // means cancelled. Returns whether a message was stored: not when
    // cancelled, nor for a text with a character Shift-JIS lacks.
    using AllClearMessageAsker =
        std::function<std::optional<std::string>(const std::string& currentUtf8, QWidget* parent)>;
    bool AllClearMessage(const AllClearMessageAsker& ask, QWidget* parent);

    // Every paint stroke, bonus toggle, message change and stage clearing,
    // emptied when a set is created or opened.
    const QUndoStack& History() const { return history_; }

signals:
    // The set, its current stage or the history changed.
    void edited();
    // Another stage is shown: the game starts again on it.
    void stageStepped();

private:
    void PaintCell(GridCell cell, int kind);
    void ShowPicked(bool left, const ZoomLevel& zoom);
    void StepStage(int commandId);
    // A change to the current stage as one step of the history.
    void ChangeStage(int commandId, const std::function<void()>& change);
    void PushStageEdit(const StageContents& before);

    GameSession& session_;
    CBlockDoc& doc_;
    EditorCanvas& canvas_;
    int leftKind_ = 1;
    int rightKind_ = 0;
    bool dragLeft_ = true;  // which button started the drag
    bool capture_ = false;  // the mouse is held from a press on the grid to a release
    // The stage as it was before the stroke being painted.
    std::optional<StageContents> strokeBefore_;
    QUndoStack history_;
};

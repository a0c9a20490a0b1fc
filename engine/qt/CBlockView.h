// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QImage>
#include <QUndoStack>
#include <QWidget>

#include "base/Zoom.h"
#include "engine/CommandRules.h"
#include "engine/DrawGeometry.h"
#include "engine/EditorCommands.h"
#include "engine/EditorHitTest.h"
#include "engine/GameSession.h"
#include "engine/PointerChoice.h"
#include "engine/Rect.h"
#include "engine/PlayfieldCanvas.h"
#include "engine/SessionHost.h"
#include "engine/StageEdits.h"
#include "engine/ViewCommands.h"
#include "engine/qt/HeldKeys.h"
#include "engine/qt/PlayfieldBitmaps.h"
#include "engine/qt/PlayfieldPointers.h"
#include "stages/StageSetView.h"

class CBlockDoc;
class OutputDevices;
class SettingsStore;

// The playfield view. It owns the game session and runs it: the 50 ms
// tick, drawing, message boxes, the paddle's input, the pointer shape and
// the mouse buttons. Everything is drawn into an image of the client area;
// a paint only copies the image to the screen. In the editor mode it is the
// stage editor, with a history of the changes made there.
class CBlockView : public QWidget, public SessionHost, public PlayfieldCanvas, public StageSetView {
    Q_OBJECT
public:
    // Builds the session on the document and reads the game settings, the
    // sound switches against the devices there are.
    CBlockView(CBlockDoc& doc, SettingsStore& settings, const OutputDevices& devices, QWidget* parent = nullptr);
    ~CBlockView() override;

    GameSession& Session() { return session_; }
    const GameSession& Session() const { return session_; }
    const ZoomLevel& Zoom() const { return zoom_; }
    // A new zoom level from the Zoom command: stored, and the whole
    // playfield drawn again at the new size.
    void ChangeZoom(int level);

    bool IsCommandEnabled(ViewCommand command) const;
    void RunCommand(ViewCommand command);
    // The player has turned to another program: a ball in flight pauses.
    void OnAwayFromGame();

    // What the commands' rules see of the session, its stage set and the
    // editor's history.
    CommandContext CommandContextNow() const;

    // The editor's commands by identifier (base/CommandIds.h): next and
    // previous stage, bonus ball, all-clear message, delete stage, New, Save,
    // Save As, Undo and Redo. New, Save and Save As are DocumentCommands'.
    bool IsEditorCommandEnabled(int commandId) const;
    bool IsEditorCommandChecked(int commandId) const;
    // Each does nothing while its command is disabled.
    void OnNextStage();
    void OnPrevStage();
    void OnBonusBall();
    void OnDeleteStage();
    // Asks for the all-clear message with the current one in UTF-8; nothing
    // means cancelled. Returns whether a message was stored: not when
    // cancelled, nor for a text with a character Shift-JIS lacks.
    using AllClearMessageAsker =
        std::function<std::optional<std::string>(const std::string& currentUtf8, QWidget* parent)>;
    bool OnAllClearMessage(const AllClearMessageAsker& ask);

    // Every paint stroke, bonus toggle, message change and stage clearing,
    // emptied when a set is created or opened. Undo and redo through the
    // slots below, which keep to the commands' rules.
    const QUndoStack& EditHistory() const { return history_; }

    const QImage& Image() const { return image_; }
    // The full repaint: the frame tiles the clip box touches, every cell,
    // then the editor panel, or the ball in flight and the paddle where the
    // input puts it.
    void OnDraw(const QRect& clipBox);
    // Carries out a pending invalidation now rather than at the next paint.
    void RedrawIfInvalidated();

    // SessionHost
    bool SetGameTimer() override;
    void KillGameTimer() override;
    std::uint32_t TickCount() override;
    PaddleInput ReadPaddleInput() override;
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    void DestroyView() override;

    // PlayfieldCanvas
    void InvalidateView() override;
    void DrawCell(int column, int row) override;
    void MovePaddleSprite(int oldX, int newX) override;
    void MoveServingBallSprite(int oldX, int newX) override;
    void MoveBallSprite(Point oldCentre, Point newCentre) override;
    void EraseBallSquare(Point centre) override;

    // StageSetView
    void RestartOnNewSet() override;
    void RepaintStage() override;
    std::uint16_t HighScore() const override;
    void SetHighScore(std::uint16_t score) override;

    // The kinds the editor paints with the left and right buttons, and which
    // button started the current drag.
    int leftKind = 1;
    int rightKind = 0;
    bool dragLeft = true;

public slots:
    void Undo();
    void Redo();

signals:
    // A command or a button press may have changed the mode or the ball's
    // state, or a sound failure the music switch.
    void sessionStateChanged();
    // The set, its current stage or the editor's history changed: the
    // editor's commands may be enabled or marked differently.
    void editStateChanged();

protected:
    // Starts the 50 ms tick; returns its identifier, or 0 when no timer can
    // be had. Tests override it to see the program cope without one.
    virtual int StartTickTimer();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ResizeToZoom();
    bool InEditor() const { return session_.State().mode == GameMode::Editor; }
    bool RepaintShowsBall() const;
    // Asks for the screen to show what an incremental drawing changed.
    void Touched(const Rect& rect);
    void PaintSpriteMove(const SpriteMove& move, PlayfieldPicture picture);
    PixelPoint PointerPosition() const;
    void UpdatePointer(PixelPoint position);
    void UpdatePointer() { UpdatePointer(PointerPosition()); }
    void AfterSessionChange();

    // The editor.
    void PressInEditor(PixelPoint point, bool left);
    void ReleaseInEditor(PixelPoint point, bool left);
    // Ends the drag without painting; the stroke becomes one step of the history.
    void EndCapture();
    void PaintCell(GridCell cell, int kind);
    void DrawLeftKind();
    void DrawRightKind();
    void DrawSample(PixelPoint origin, int kind);
    void StepStage(int commandId);
    // Records the open stroke as one step of the history.
    void EndStroke();
    void PushStageEdit(const StageContents& before);
    void AfterEdit();

    GameSession session_;
    CBlockDoc* doc_;
    SettingsStore* settings_;
    ZoomLevel zoom_;
    PlayfieldBitmaps bitmaps_;
    PlayfieldPointers pointers_;
    HeldKeys heldKeys_;
    QImage image_;
    bool invalidated_ = false;  // a full repaint is due
    bool painting_ = false;     // inside paintEvent, which shows the whole change anyway
    int tickTimerId_ = 0;
    std::optional<PointerShape> pointerShape_;
    // The editor holds the mouse from a press on the grid to a release, or
    // until no button is held or the mouse is taken away.
    bool capture_ = false;
    // The stage as it was before the stroke being painted.
    std::optional<StageContents> strokeBefore_;
    QUndoStack history_;
};

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QImage>
#include <QWidget>

#include "base/Zoom.h"
#include "engine/CommandRules.h"
#include "engine/GameSession.h"
#include "engine/PlayfieldCanvas.h"
#include "engine/PointerChoice.h"
#include "engine/Rect.h"
#include "engine/SessionHost.h"
#include "engine/ViewCommands.h"
#include "engine/qt/HeldKeys.h"
#include "engine/qt/PlayfieldImage.h"
#include "engine/qt/PlayfieldPointers.h"
#include "engine/qt/SmoothMotion.h"
#include "engine/qt/StageEditor.h"
#include "stages/StageSetView.h"

class CBlockDoc;
class OutputDevices;
class SettingsStore;

// The playfield view. It paints, ticks and reads input: it owns the game
// session and hosts it (the 50 ms tick, the clock, the paddle's input and
// message boxes), shows the picture that the session and the stage editor
// draw into (a paint only copies it to the screen), and hands the mouse
// buttons to the game or, in the editor mode, to the editor. The sound and
// the status panes are the application's.
class CBlockView : public QWidget, public SessionHost, public StageSetView {
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
    CommandContext CommandContextNow() const { return editor_.Context(); }

    // The stage editor, which paints into this view in the editor mode.
    StageEditor& Editor() { return editor_; }
    const StageEditor& Editor() const { return editor_; }

    const QImage& Image() const { return image_.Image(); }
    // Where the session and the editor draw.
    PlayfieldCanvas& Canvas() { return image_; }
    // The full repaint: the frame tiles the clip box touches, every cell,
    // then the editor panel, or the ball in flight and the paddle where the
    // input puts it.
    void OnDraw(const QRect& clipBox);
    // Carries out a pending invalidation now rather than at the next paint.
    void RedrawIfInvalidated();
    // Smooth motion: the ball shown between ticks too.
    void SetSmoothMotion(bool on) { smooth_.SetOn(on); }
    bool SmoothMotionOn() const { return smooth_.On(); }
    std::optional<Point> ShownBall() const { return smooth_.Shown(); }

    // SessionHost
    bool SetGameTimer() override;
    void KillGameTimer() override;
    std::uint32_t TickCount() override;
    PaddleInput ReadPaddleInput() override;
    void ShowMessage(std::string_view text, MessageIcon icon) override;
    void DestroyView() override;

    // StageSetView
    void RestartOnNewSet() override;
    void RepaintStage() override;
    std::uint16_t HighScore() const override;
    void SetHighScore(std::uint16_t score) override;

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
    PixelPoint PointerPosition() const;
    void UpdatePointer(PixelPoint position);
    void UpdatePointer() { UpdatePointer(PointerPosition()); }
    void AfterSessionChange();
    void AfterEdit();

    // Declared first: the session and the editor draw into it.
    PlayfieldImage image_;
    GameSession session_;
    CBlockDoc* doc_;
    SettingsStore* settings_;
    ZoomLevel zoom_;
    PlayfieldPointers pointers_;
    HeldKeys heldKeys_;
    bool painting_ = false;     // inside paintEvent, which shows the whole change anyway
    int tickTimerId_ = 0;
    std::optional<PointerShape> pointerShape_;
    StageEditor editor_;
    SmoothMotion smooth_;
};

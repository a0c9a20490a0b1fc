// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "engine/BallPath.h"

class GameSession;
class PlayfieldImage;
class QPainter;
class QRect;
class QWidget;

// The ball shown between ticks: after each tick that moved it, the view
// shows the ball along the path that tick took, a step at each refresh of
// the screen, until it stands where the tick left it. Nothing is drawn while
// nothing moves: the frames stop at the path's end, with the ball at rest,
// paused or gone, in the editor, and while the window cannot be seen.
class SmoothMotion : public QObject {
    Q_OBJECT
public:
    // Shows the session's ball in the view, over the picture the ticks draw.
    SmoothMotion(QWidget& view, const GameSession& session, const PlayfieldImage& image);

    void SetOn(bool on);
    bool On() const { return on_; }

    // After each tick: follows the path the tick took, if the ball flies.
    void AfterTick();
    // Where the ball is shown when not where the tick drew it.
    std::optional<Point> Shown() const { return shown_; }
    // Within the view's paint: the ball at its shown place.
    void Paint(QPainter& painter, const QRect& area) const;

private:
    const BallPath* PathToShow() const;
    void OnFrame();
    void ShowAt(std::optional<Point> place);

    QWidget& view_;
    const GameSession& session_;
    const PlayfieldImage& image_;
    bool on_ = false;
    BallPath path_;
    QElapsedTimer sinceTick_;
    QTimer frames_;
    std::optional<Point> shown_;
};

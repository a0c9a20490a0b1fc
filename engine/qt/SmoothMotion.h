// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "engine/BallPath.h"

// The ball shown between ticks: after each tick that moved it, the ball is
// shown along the path that tick took, a step at each refresh of the
// screen, until it stands where the tick left it. Nothing is drawn while
// nothing moves: the frames stop at the path's end and with the ball at
// rest, paused or gone, and in the editor.
class SmoothMotion : public QObject {
    Q_OBJECT
public:
    explicit SmoothMotion(QObject* parent = nullptr);

    void SetOn(bool on);
    bool On() const { return on_; }

    // After each tick: the path of a ball still in flight, or none.
    void AfterTick(const BallPath* path);
    // Where the ball is shown when not where the tick drew it.
    std::optional<Point> Shown() const { return shown_; }

signals:
    // The ball is shown elsewhere: the places to draw again.
    void moved(std::optional<Point> before, std::optional<Point> now);

private:
    void OnFrame();
    void ShowAt(std::optional<Point> place);

    bool on_ = false;
    BallPath path_;
    QElapsedTimer sinceTick_;
    QTimer frames_;
    std::optional<Point> shown_;
};

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/SmoothMotion.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include "engine/BallSprite.h"
#include "engine/GameSession.h"
#include "engine/qt/PlayfieldImage.h"

namespace {
constexpr double kUsualRefreshRate = 60;

// One frame for each refresh of the primary screen.
int FrameInterval() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double rate = screen != nullptr && screen->refreshRate() > 1 ? screen->refreshRate() : kUsualRefreshRate;
    return std::max(1, static_cast<int>(std::lround(1000 / rate)));
}

Point PicturedBall(const SessionState& state) { return {state.ballX, state.ballY}; }
}  // namespace

SmoothMotion::SmoothMotion(QWidget& view, const GameSession& session, const PlayfieldImage& image)
    : view_(view), session_(session), image_(image) {
    frames_.setTimerType(Qt::PreciseTimer);
    connect(&frames_, &QTimer::timeout, this, &SmoothMotion::OnFrame);
}

void SmoothMotion::SetOn(bool on) {
    on_ = on;
    AfterTick();
}

// The last tick's path, while the ball flies in a window someone can see.
const BallPath* SmoothMotion::PathToShow() const {
    const SessionState& state = session_.State();
    const BallPath& path = session_.LastPath();
    const bool flying = state.ballState == BallState::InFlight && !state.busy && state.mode != GameMode::Editor;
    const bool seen = view_.isVisible() && !view_.window()->isMinimized();
    const bool current = !path.Empty() && path.End() == PicturedBall(state);
    return on_ && flying && seen && current ? &path : nullptr;
}

void SmoothMotion::AfterTick() {
    const BallPath* path = PathToShow();
    if (path == nullptr) {
        frames_.stop();
        ShowAt(std::nullopt);
        return;
    }
    path_ = *path;
    sinceTick_.start();
    frames_.start(FrameInterval());
    OnFrame();
}

void SmoothMotion::OnFrame() {
    const double phase = static_cast<double>(sinceTick_.elapsed()) / GameSession::kTimerPeriodMs;
    if (phase >= 1) {
        // Where the tick drew it: the picture shows the ball itself again.
        frames_.stop();
        ShowAt(std::nullopt);
        return;
    }
    ShowAt(path_.At(phase));
}

void SmoothMotion::ShowAt(std::optional<Point> place) {
    if (place == shown_) return;
    // The squares the ball leaves and enters, and the one the picture has it in.
    for (const std::optional<Point>& square : {shown_, place, std::optional(PicturedBall(session_.State()))}) {
        if (!square) continue;
        const Rect rect = BallSquare(*square, image_.Zoom().zoom);
        view_.update(rect.x, rect.y, rect.width, rect.height);
    }
    shown_ = place;
}

void SmoothMotion::Paint(QPainter& painter, const QRect& area) const {
    if (!shown_) return;
    const SessionState& state = session_.State();
    painter.setClipRect(area);
    image_.PaintBallElsewhere(painter, PicturedBall(state), *shown_, state.paddleX);
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/SmoothMotion.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QScreen>

#include "engine/GameSession.h"

namespace {
constexpr double kUsualRefreshRate = 60;

// One frame for each refresh of the primary screen.
int FrameInterval() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double rate = screen != nullptr && screen->refreshRate() > 1 ? screen->refreshRate() : kUsualRefreshRate;
    return std::max(1, static_cast<int>(std::lround(1000 / rate)));
}
}  // namespace

SmoothMotion::SmoothMotion(QObject* parent) : QObject(parent) {
    frames_.setTimerType(Qt::PreciseTimer);
    connect(&frames_, &QTimer::timeout, this, &SmoothMotion::OnFrame);
}

void SmoothMotion::SetOn(bool on) {
    on_ = on;
    if (!on_) AfterTick(nullptr);
}

void SmoothMotion::AfterTick(const BallPath* path) {
    if (!on_ || path == nullptr || path->Empty()) {
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
    const std::optional<Point> before = shown_;
    shown_ = place;
    emit moved(before, shown_);
}

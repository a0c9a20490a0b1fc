// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <set>

#include <QObject>

class QKeyEvent;

// Which of the paddle's keys are held down at this moment. Qt offers no
// query of a key's state, so this watches every key press and release of
// the application (install it on qApp); the paddle samples it once a tick.
class HeldKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool Left() const { return left_; }
    bool Right() const { return right_; }
    bool Shift() const { return !shifts_.empty(); }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Forget();
    void ShiftKey(const QKeyEvent& key, bool down);

    bool left_ = false;
    bool right_ = false;
    // Both Shift keys report as Qt::Key_Shift; each is known by its native
    // code, so that releasing one leaves the other held.
    std::set<quint32> shifts_;
};

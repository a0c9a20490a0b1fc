#pragma once

#include <QObject>

// Which of the paddle's keys are held down at this moment. Qt offers no
// query of a key's state, so this watches every key press and release of
// the application (install it on qApp); the paddle samples it once a tick.
class HeldKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool Left() const { return left_; }
    bool Right() const { return right_; }
    bool Shift() const { return shift_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Forget();

    bool left_ = false;
    bool right_ = false;
    bool shift_ = false;
};

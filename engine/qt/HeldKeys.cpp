#include "engine/qt/HeldKeys.h"

#include <QKeyEvent>

bool HeldKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A held key's repeats arrive as release-press pairs: it stays down.
        if (key->isAutoRepeat()) break;
        const bool down = event->type() == QEvent::KeyPress;
        if (key->key() == Qt::Key_Left) left_ = down;
        if (key->key() == Qt::Key_Right) right_ = down;
        if (key->key() == Qt::Key_Shift) shift_ = down;
        break;
    }
    case QEvent::ApplicationStateChange:
        // Keys released while another program has the keyboard never reach us.
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() != Qt::ApplicationActive)
            Forget();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void HeldKeys::Forget() {
    left_ = false;
    right_ = false;
    shift_ = false;
}

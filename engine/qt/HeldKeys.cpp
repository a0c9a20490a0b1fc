// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

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
        if (key->key() == Qt::Key_Shift) ShiftKey(*key, down);
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

void HeldKeys::ShiftKey(const QKeyEvent& key, bool down) {
    // The scan code tells the keys apart where the platform gives one, the
    // key symbol elsewhere; a key event with neither counts as one key.
    const quint32 which = key.nativeScanCode() != 0 ? key.nativeScanCode() : key.nativeVirtualKey();
    if (down) {
        shifts_.insert(which);
    } else if (shifts_.erase(which) == 0) {
        shifts_.clear();  // a release of a key never seen pressed: none stays held
    }
}

void HeldKeys::Forget() {
    left_ = false;
    right_ = false;
    shifts_.clear();
}

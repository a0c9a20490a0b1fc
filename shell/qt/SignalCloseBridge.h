// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread, so
// that the program can close in order instead of ending where it stands.
// The handler only writes the signal's number into a pipe (about all a
// signal handler may do); a socket notifier reads it in the event loop.
// After the first one the default actions are back, so that a second
// signal ends a program whose close has got stuck.
class SignalCloseBridge : public QObject {
    Q_OBJECT
public:
    explicit SignalCloseBridge(QObject* parent = nullptr);
    ~SignalCloseBridge() override;
    SignalCloseBridge(const SignalCloseBridge&) = delete;
    SignalCloseBridge& operator=(const SignalCloseBridge&) = delete;

signals:
    void closeRequested(int signalNumber);

private:
    void ReadSignal();

    QSocketNotifier* notifier_ = nullptr;
};

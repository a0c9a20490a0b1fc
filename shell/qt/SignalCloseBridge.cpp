// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/SignalCloseBridge.h"

#include <array>
#include <cerrno>

#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {
constexpr std::array kCloseSignals = {SIGTERM, SIGINT, SIGHUP};

// The pipe's ends; one bridge at a time owns them.
int g_pipe[2] = {-1, -1};

void OnSignal(int signalNumber) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request to close; nothing is lost.
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = savedErrno;
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : kCloseSignals) sigaction(signalNumber, &action, nullptr);
}
}  // namespace

SignalCloseBridge::SignalCloseBridge(QObject* parent) : QObject(parent) {
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalCloseBridge::ReadSignal);
    SetHandler(&OnSignal);
}

SignalCloseBridge::~SignalCloseBridge() {
    if (notifier_ == nullptr) return;
    SetHandler(SIG_DFL);
    delete notifier_;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SignalCloseBridge::ReadSignal() {
    unsigned char byte = 0;
    if (::read(g_pipe[0], &byte, 1) != 1) return;
    SetHandler(SIG_DFL);
    notifier_->setEnabled(false);
    emit closeRequested(byte);
}

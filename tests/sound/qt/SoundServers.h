// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include "sound/qt/SoundOutputProbe.h"

// The sound servers a test plays against, named by PULSE_SERVER.

// Names the server for as long as it lives, then puts back what was named.
class ScopedPulseServer {
public:
    explicit ScopedPulseServer(const std::string& address) {
        if (const char* previous = std::getenv("PULSE_SERVER")) saved_ = previous;
        ::setenv("PULSE_SERVER", address.c_str(), 1);
    }
    ~ScopedPulseServer() {
        if (saved_.empty()) ::unsetenv("PULSE_SERVER");
        else ::setenv("PULSE_SERVER", saved_.c_str(), 1);
    }
    ScopedPulseServer(const ScopedPulseServer&) = delete;
    ScopedPulseServer& operator=(const ScopedPulseServer&) = delete;

private:
    std::string saved_;
};

// A listening socket, as a sound server offers one, that serves nothing.
class ListeningSocket {
public:
    explicit ListeningSocket(const std::string& path) : path_(path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(::listen(fd_, 1), 0);
    }
    ~ListeningSocket() {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

private:
    std::string path_;
    int fd_;
};

// A real PulseAudio server of the test's own, playing into a null sink,
// that the test stops and starts again as a restarted server would be.
class PrivateSoundServer {
public:
    explicit PrivateSoundServer(const QString& folder) : folder_(folder) {}
    ~PrivateSoundServer() { Stop(); }
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    static bool Installed() { return !QStandardPaths::findExecutable("pulseaudio").isEmpty(); }
    std::string Address() const { return "unix:" + Socket().toStdString(); }

    // True once it takes connections; PULSE_SERVER must name it.
    bool Start() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", folder_);
        environment.insert("XDG_RUNTIME_DIR", folder_);
        server_.setProcessEnvironment(environment);
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                                     "--log-target=stderr", "--log-level=error", "-L",
                                     "module-null-sink sink_name=tests", "-L",
                                     "module-native-protocol-unix auth-anonymous=1 socket=" + Socket()});
        return server_.waitForStarted() && QTest::qWaitFor([] { return SoundOutputPresent(); }, 10000);
    }
    void Stop() {
        if (server_.state() == QProcess::NotRunning) return;
        server_.terminate();
        if (!server_.waitForFinished(5000)) server_.kill();
        server_.waitForFinished();
    }

private:
    QString Socket() const { return folder_ + "/native"; }

    QString folder_;
    QProcess server_;
};

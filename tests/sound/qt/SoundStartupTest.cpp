// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound's slow work (decoding effects, opening the output, loading the
// synthesiser) is recorded with its thread: none of it may hold up the
// interface thread, before the first window or after it. And the look for
// a sound output that start-up makes in its stead.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include <gmock/gmock.h>

#include <QTest>
#include <QTimer>

#include "sound/SoundWorkLog.h"
#include "sound/qt/FluidSynthMusicDevice.h"
#include "sound/qt/SoundOutputProbe.h"
#include "tests/shell/qt/StartedApp.h"
#include "tests/stages/qt/ChildProcess.h"

namespace {
using SoundStartupTest = StartedApp;

std::vector<std::string> WorkOn(std::thread::id thread) {
    std::vector<std::string> work;
    for (const auto& entry : SoundWorkLog::Entries())
        if (entry.thread == thread) work.push_back(entry.what);
    return work;
}

TEST_F(SoundStartupTest, NoSoundWorkRunsOnTheInterfaceThread) {
    WriteSet("bin/SYSTEM.BLC");
    for (const char* name : {"TOPPADL.WAV", "SIDEPADL.WAV", "FRAME.WAV", "NORMBLC.WAV", "GOLDBLC.WAV", "SILVBLC.WAV"})
        QFile::copy(QCoreApplication::applicationDirPath() + "/" + name, dir.filePath(QString("bin/") + name));
    settings.WriteInt(Settings::kSection, Settings::kSound, 3);
    SoundWorkLog::Clear();
    const auto interface = std::this_thread::get_id();

    auto app = Start();
    ASSERT_TRUE(started);
    EXPECT_THAT(WorkOn(interface), testing::IsEmpty()) << "before the first window";

    // The effects are decoded once the window is up, and an event's play
    // opens the output, all on another thread.
    const auto decoded = [] {
        int count = 0;
        for (const auto& entry : SoundWorkLog::Entries()) count += entry.what.rfind("decode ", 0) == 0;
        return count;
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return decoded() == 6; }, 10000));
    app->MainWindow()->View()->PlayEffect(SoundEvent::Frame);
    QTest::qWait(50);
    EXPECT_THAT(WorkOn(interface), testing::IsEmpty()) << "after the first window";
}

// A listening socket named by PULSE_SERVER, as a sound server offers one.
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

private:
    std::string path_;
    int fd_;
};

TEST(SoundOutputProbeTest, ANamedServerCountsWhileItListensAndWithoutOutputThereIsNoMusic) {
    const char* previous = std::getenv("PULSE_SERVER");
    const std::string saved = previous != nullptr ? previous : "";
    QTemporaryDir dir;
    const std::string socket = dir.filePath("native").toStdString();
    ::setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    {
        ListeningSocket server(socket);
        EXPECT_TRUE(SoundOutputPresent());
        ::setenv("PULSE_SERVER", ("{0123abcd}unix:/nowhere/native unix:" + socket).c_str(), 1);
        EXPECT_TRUE(SoundOutputPresent()) << "the second of two servers";
    }
    std::error_code error;
    bool alsa = false;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/snd", error))
        alsa = alsa || entry.path().filename().string().rfind("pcmC", 0) == 0;
    if (!alsa) {
        EXPECT_FALSE(SoundOutputPresent()) << "the server has gone";
        EXPECT_EQ(FluidSynthMusicDevice::OutputCount(), 0) << "no output, so no music and no music check";
    }
    if (previous != nullptr) ::setenv("PULSE_SERVER", saved.c_str(), 1);
    else ::unsetenv("PULSE_SERVER");
}
// Three tunes that are gone, and a signal while the start-up asks about
// the first: the program ends, and the tunes stay as they were, to be
// asked about at the next start.
TEST_F(SoundStartupTest, ASignalWhileTheMusicCheckAsksStoresNothingOfIt) {
    const std::string ended = ChildProcess::Run([this] {
        WriteSet("bin/SYSTEM.BLC");
        // A server as far as the start-up's look can tell, so music starts on.
        const std::string socket = dir.filePath("native").toStdString();
        ListeningSocket server(socket);
        ::setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
        settings.WriteInt(Settings::kSection, Settings::kSound, 1);
        const auto gone = [](int slot) { return "/gone/" + std::to_string(slot) + ".mid"; };
        for (int slot = 0; slot < kMusicSceneCount; ++slot)
            settings.WriteString(Settings::kSection, Settings::kMusicKeys[slot], gone(slot));

        bool asked = false;
        QTimer::singleShot(0, [&asked] {
            asked = QApplication::activeModalWidget() != nullptr;
            std::raise(SIGTERM);
        });
        auto app = Start();
        if (!asked) return ChildProcess::Failed("no question was open when the signal came");
        if (started) return ChildProcess::Failed("the program went on after the signal");
        for (int slot = 0; slot < kMusicSceneCount; ++slot)
            if (Stored(Settings::kMusicKeys[slot]) != gone(slot)) return ChildProcess::Failed("a tune was changed");
        return 0;
    });
    EXPECT_EQ(ended, "exit 0");
}
}  // namespace

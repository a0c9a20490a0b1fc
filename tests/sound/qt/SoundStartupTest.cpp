// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound's slow work (decoding effects, opening the output, loading the
// synthesiser) is recorded with its thread: none of it may hold up the
// interface thread, before the first window or after it. And the look for
// a sound output that start-up makes in its stead, what the music button
// does without one, and the music check that a signal meets.
#include <csignal>

#include <gmock/gmock.h>

#include <QAction>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "base/CommandIds.h"
#include "shell/qt/CommandTable.h"
#include "sound/SoundCues.h"
#include "sound/SoundWorkLog.h"
#include "sound/qt/FluidSynthMusicDevice.h"
#include "sound/qt/SoundOutputProbe.h"
#include "tests/shell/qt/StartedApp.h"
#include "tests/sound/qt/SoundServers.h"
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
    app->MainWindow()->View()->Session().Sound().PlayEffect(SoundEvent::Frame);
    QTest::qWait(50);
    EXPECT_THAT(WorkOn(interface), testing::IsEmpty()) << "after the first window";
}

TEST(SoundOutputProbeTest, ANamedServerCountsWhileItListensAndWithoutOutputThereIsNoMusic) {
    QTemporaryDir dir;
    const std::string socket = dir.filePath("native").toStdString();
    {
        ScopedPulseServer named("unix:" + socket);
        ListeningSocket server(socket);
        EXPECT_TRUE(SoundOutputPresent());
        ScopedPulseServer second("{0123abcd}unix:/nowhere/native unix:" + socket);
        EXPECT_TRUE(SoundOutputPresent()) << "the second of two servers";
    }
    ScopedPulseServer gone("unix:" + socket);
    if (!PlaybackDevicePresent()) {
        EXPECT_FALSE(SoundOutputPresent()) << "the server has gone";
        EXPECT_EQ(FluidSynthMusicDevice::OutputCount(), 0) << "no output, so no music and no music check";
    }
}

// With nowhere to send sound, the music button says so at once, and the
// button and the stored "Sound" both say that music is off.
TEST_F(SoundStartupTest, WithNoOutputTheMusicButtonTellsWhyAndStaysOffAndSoDoesTheSetting) {
    if (PlaybackDevicePresent()) GTEST_SKIP() << "the kernel's playback devices are an output";
    WriteSet("bin/SYSTEM.BLC");
    for (const char* name : {"BLOCKDEM.MID", "BLOCKPLY.MID", "BLOCKEND.MID"})
        QFile::copy(QCoreApplication::applicationDirPath() + "/" + name, dir.filePath(QString("bin/") + name));
    ScopedPulseServer nowhere("unix:" + dir.filePath("native").toStdString());
    auto app = Start();
    ASSERT_TRUE(started);
    QAction* music = app->MainWindow()->Commands().Action(CommandId::MusicToggle);
    ASSERT_FALSE(music->isChecked()) << "no output at the start, so no music";

    QStringList boxes;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->accept();
        }
    });
    closer.start(5);
    music->trigger();
    EXPECT_EQ(boxes, QStringList{"音声出力装置を使用できないため、音楽を再生できません。"}) << "told during the click";
    QTest::qWait(300);  // time for a failure found late, were there one
    EXPECT_EQ(boxes.size(), 1);
    EXPECT_FALSE(music->isChecked());
    EXPECT_EQ(settings.ReadInt(Settings::kSection, Settings::kSound, -1) & Settings::kSoundMusicBit, 0);
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
        ScopedPulseServer named("unix:" + socket);
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

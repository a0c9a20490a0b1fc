// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "sound/MusicUi.h"
#include "sound/SoundWorkLog.h"
#include "sound/qt/CMusicNotFoundDlg.h"
#include "sound/qt/FluidSynthMusicDevice.h"
#include "sound/qt/AudioOutput.h"
#include "sound/qt/OutputEffectPlayer.h"
#include "sound/qt/QtMusicUi.h"
#include "tests/sound/qt/SoundServers.h"

namespace {
std::string BesideTheProgram(const char* name) {
    return (QCoreApplication::applicationDirPath() + "/" + name).toStdString();
}

// An output with no stream behind it: it always opens, after the delay a
// sound server may take, and its clip moves on only when the test renders.
class SilentOutput : public AudioOutput {
public:
    OpenResult Open() override {
        std::this_thread::sleep_for(delay);
        return OpenResult::Open;
    }
    bool Present() const override { return true; }
    void Render(int frames) {
        std::vector<float> left(frames), right(frames);
        float* outputs[] = {left.data(), right.data()};
        AudioOutput::Render(this, frames, 0, nullptr, 2, outputs);
    }
    std::chrono::milliseconds delay{0};
};

// A mono 16-bit WAV file at the output's rate.
std::string MakeWave(const QTemporaryDir& dir, const QString& name, quint32 frames) {
    QByteArray wave("RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xAC\0\0\x02\0\x10\0data", 40);
    const quint32 bytes = 2 * frames;
    wave.append(reinterpret_cast<const char*>(&bytes), 4).append(QByteArray(bytes, '\x10'));
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(wave);
    return file.fileName().toStdString();
}

// A clock that the test moves by hand.
struct HandClock {
    RetryGate::Clock::time_point now{};
    AudioOutput::Clock Function() {
        return [this] { return now; };
    }
};

// The sound work logged whose note begins so.
int Logged(std::string_view work) {
    const auto entries = SoundWorkLog::Entries();
    return static_cast<int>(std::count_if(entries.begin(), entries.end(),
                                          [work](const auto& entry) { return entry.what.starts_with(work); }));
}

// Effects are asked for on every tick that has one: an output that cannot
// open is tried again only every few seconds, so that it costs nothing.
TEST(AudioOutputTest, AFailedOpenIsTriedAgainAtMostOnceEveryFewSeconds) {
    if (PlaybackDevicePresent()) GTEST_SKIP() << "the kernel's playback devices are an output";
    QTemporaryDir dir;
    ScopedPulseServer nowhere("unix:" + dir.filePath("native").toStdString());
    HandClock clock;
    AudioOutput output(clock.Function());
    SoundWorkLog::Clear();
    EXPECT_EQ(output.Open(), AudioOutput::OpenResult::Failed);
    EXPECT_EQ(output.Open(), AudioOutput::OpenResult::NotTried);
    clock.now += AudioOutput::kRetryInterval - std::chrono::milliseconds(1);
    EXPECT_EQ(output.Open(), AudioOutput::OpenResult::NotTried);
    clock.now += std::chrono::milliseconds(1);
    EXPECT_EQ(output.Open(), AudioOutput::OpenResult::Failed);
    EXPECT_EQ(Logged("open output"), 2);
    EXPECT_FALSE(output.Present());
}

// The server stops and starts again, as when it is restarted: the output
// notices that its stream is lost, and once the server is back the next
// request (at the retry's time) opens a new stream that plays.
TEST(AudioOutputTest, AfterTheServerRestartsTheNextRequestOpensTheOutputAgain) {
    if (!PrivateSoundServer::Installed()) GTEST_SKIP() << "pulseaudio is not installed";
    QTemporaryDir dir;
    PrivateSoundServer server(dir.path());
    ScopedPulseServer named(server.Address());
    ASSERT_TRUE(server.Start());
    HandClock clock;
    AudioOutput output(clock.Function());
    const auto clip = std::make_shared<const WaveClip>(WaveClip(2205, 1000));  // 0.1 s
    ASSERT_EQ(output.Open(), AudioOutput::OpenResult::Open);

    server.Stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !output.Carrying(); }, 5000)) << "the loss is noticed";
    clock.now += AudioOutput::kRetryInterval;
    EXPECT_EQ(output.Open(), AudioOutput::OpenResult::Failed) << "tried while the server is away";
    output.PlayClip(clip);
    QTest::qWait(300);
    EXPECT_TRUE(output.ClipSounding()) << "nothing plays it";

    ASSERT_TRUE(server.Start());
    EXPECT_EQ(output.Open(), AudioOutput::OpenResult::NotTried) << "not before the retry's time";
    clock.now += AudioOutput::kRetryInterval;
    EXPECT_EQ(output.Open(), AudioOutput::OpenResult::Open);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !output.ClipSounding(); }, 5000)) << "the new stream plays it";
}

TEST(MusicDeviceTest, OpensOnlyMidiFilesThatAreThere) {
    AudioOutput output;
    FluidSynthMusicDevice device(output);
    EXPECT_EQ(device.Open("/nowhere/BLOCKDEM.MID"), FluidSynthMusicDevice::kFileNotFound);
    EXPECT_EQ(device.Open(BesideTheProgram("chimes.wav")), FluidSynthMusicDevice::kNotMidiFile);
    EXPECT_FALSE(device.ErrorText(FluidSynthMusicDevice::kNoAudioOutput).empty());
    EXPECT_EQ(device.Open(BesideTheProgram("BLOCKEND.MID")), MusicDevice::kNoError);
    device.Close(MusicDevice::CloseMode::Wait);  // closing what never played is harmless

    FluidSynthMusicDevice withoutSoundFont(output, "/nowhere/gm.sf2");
    ASSERT_EQ(withoutSoundFont.Open(BesideTheProgram("BLOCKEND.MID")), MusicDevice::kNoError);
    EXPECT_EQ(withoutSoundFont.QueryStatus(), FluidSynthMusicDevice::kNoSoundFont);
}

TEST(MusicDeviceTest, ASoundFontThatWillNotLoadIsReportedLateOnTheInterfaceThread) {
    QTemporaryDir dir;
    QFile damaged(dir.filePath("damaged.sf2"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("RIFF\x10\0\0\0sfbkLIST nothing here");
    damaged.close();
    SilentOutput output;
    FluidSynthMusicDevice device(output, damaged.fileName().toStdString());
    std::vector<MusicDevice::Error> failures;
    std::thread::id reportedOn;
    device.OnLateFailure([&](MusicDevice::Error error) {
        failures.push_back(error);
        reportedOn = std::this_thread::get_id();
    });
    ASSERT_EQ(device.Open(BesideTheProgram("BLOCKEND.MID")), MusicDevice::kNoError);
    EXPECT_EQ(device.QueryStatus(), MusicDevice::kNoError) << "the SoundFont is read in the background";
    EXPECT_EQ(device.Play(), MusicDevice::kNoError);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !failures.empty(); }, 10000));
    EXPECT_EQ(failures, std::vector<MusicDevice::Error>{FluidSynthMusicDevice::kBadSoundFont});
    EXPECT_EQ(reportedOn, std::this_thread::get_id());
}

TEST(EffectPlayerTest, ARequestCutsOffTheEffectSoundingAndAnEmptyOrUnplayableOneStopsIt) {
    QTemporaryDir dir;
    const std::string longPath = MakeWave(dir, "long.wav", 10000);  // FRAME.WAV is shorter

    SilentOutput output;
    OutputEffectPlayer player(output);
    player.Preload({longPath, BesideTheProgram("FRAME.WAV")});  // ready, so no play comes too late
    const auto playAndWait = [&](const std::string& path) {
        player.Play(path);
        player.WaitUntilIdle();
    };
    for (const std::string& stopper : {std::string(), std::string("/nowhere/x.wav"), BesideTheProgram("BLOCKEND.MID")}) {
        playAndWait(longPath);
        ASSERT_TRUE(output.ClipSounding());
        playAndWait(stopper);
        EXPECT_FALSE(output.ClipSounding()) << "'" << stopper << "' must stop the effect and sound nothing";
    }

    playAndWait(longPath);
    output.Render(100);
    playAndWait(BesideTheProgram("FRAME.WAV"));
    output.Render(9000);
    EXPECT_FALSE(output.ClipSounding()) << "the short effect replaced the long one";
    playAndWait(longPath);
    output.Render(9000);
    playAndWait(longPath);
    output.Render(9000);
    EXPECT_TRUE(output.ClipSounding()) << "the same effect again starts from its beginning";
}

// A clip read when it is asked for and ready too late for its event (here
// the output takes long to open) stays silent; one ready in time sounds.
TEST(EffectPlayerTest, AClipReadyTooLateForItsEventStaysSilent) {
    QTemporaryDir dir;
    SilentOutput output;
    OutputEffectPlayer player(output);
    output.delay = std::chrono::milliseconds(400);
    player.Play(MakeWave(dir, "late.wav", 10000));
    player.WaitUntilIdle();
    EXPECT_FALSE(output.ClipSounding());
    output.delay = {};
    player.Play(MakeWave(dir, "timely.wav", 10000));
    player.WaitUntilIdle();
    EXPECT_TRUE(output.ClipSounding());
}

// Trying file after file in the Sound-events dialog must not grow the kept
// clips without end: at most 32, and a 33rd file starts them afresh.
TEST(EffectPlayerTest, AtMostThirtyTwoClipsAreKeptReady) {
    QTemporaryDir dir;
    std::vector<std::string> files;
    for (int i = 0; i <= 32; ++i) files.push_back(MakeWave(dir, QString("e%1.wav").arg(i), 100));
    SilentOutput output;
    OutputEffectPlayer player(output);
    const auto decodesFor = [&](const std::vector<std::string>& paths) {
        SoundWorkLog::Clear();
        player.Preload(paths);
        player.WaitUntilIdle();
        return Logged("decode ");
    };
    EXPECT_EQ(decodesFor({files.begin(), files.begin() + 32}), 32);
    EXPECT_EQ(decodesFor({files[0], files[31]}), 0) << "all 32 kept";
    EXPECT_EQ(decodesFor({files[32], files[0]}), 2) << "the 33rd made room by forgetting the others";
}

TEST(EffectPlayerTest, APathToAFifoOrADeviceIsSilentAndDoesNotHang) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("effect.wav").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    AudioOutput output;
    OutputEffectPlayer player(output);
    ::alarm(20);  // a hang ends the test run rather than stalling it
    player.Preload({fifo, "/dev/zero"});
    player.Play(fifo);
    player.Play("/dev/zero");
    player.WaitUntilIdle();
    ::alarm(0);
}

// Presses a button of the dialog once it is open, or Esc with none given.
int Answer(const QString& buttonName) {
    QtMusicUi ui;
    QTimer::singleShot(0, [buttonName] {
        auto* dialog = qobject_cast<CMusicNotFoundDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Zembrovaltine");
        EXPECT_EQ(dialog->findChild<QLabel*>("id1000")->text(), "プレイ音楽");
        EXPECT_EQ(dialog->findChild<QLabel*>("id1001")->text(), "/gone/play.mid");
        if (buttonName.isEmpty()) dialog->reject();
        else dialog->findChild<QPushButton*>(buttonName)->click();
    });
    return ui.AskMusicNotFound("/gone/play.mid", "プレイ音楽");
}

TEST(MusicNotFoundDialogTest, EachButtonEndsItWithItsOwnIdentifier) {
    EXPECT_EQ(Answer("id6"), MusicNotFoundChoice::SetDefault);
    EXPECT_EQ(Answer("id127"), MusicNotFoundChoice::SetAllToDefault);
    EXPECT_EQ(Answer("id7"), MusicNotFoundChoice::ChooseFreely);
    EXPECT_EQ(Answer("id2"), MusicNotFoundChoice::Cancel);
    EXPECT_EQ(Answer(""), MusicNotFoundChoice::Cancel) << "Esc and the close box";
}

TEST(MusicNotFoundDialogTest, OnlyANameThatIsNotThereCountsAsMissing) {
    QtMusicUi ui;
    EXPECT_TRUE(ui.FileIsMissing("/nowhere/BLOCKDEM.MID"));
    EXPECT_TRUE(ui.FileIsMissing(BesideTheProgram("chimes.wav") + "/under/a/file.mid"));
    EXPECT_FALSE(ui.FileIsMissing(BesideTheProgram("BLOCKDEM.MID")));
    EXPECT_FALSE(ui.FileIsMissing(QCoreApplication::applicationDirPath().toStdString()));
}
}  // namespace

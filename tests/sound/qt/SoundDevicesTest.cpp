#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "sound/MusicUi.h"
#include "sound/qt/CMusicNotFoundDlg.h"
#include "sound/qt/FluidSynthMusicDevice.h"
#include "sound/qt/AudioOutput.h"
#include "sound/qt/OutputEffectPlayer.h"
#include "sound/qt/QtMusicUi.h"

namespace {
std::string BesideTheProgram(const char* name) {
    return (QCoreApplication::applicationDirPath() + "/" + name).toStdString();
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

TEST(EffectPlayerTest, EmptyMissingAndForeignFilesPlayNothingAndCutNothingShort) {
    AudioOutput output;
    OutputEffectPlayer player(output);
    player.Preload({"", BesideTheProgram("FRAME.WAV"), "/nowhere/x.wav"});
    player.Play("");
    player.Play("/nowhere/x.wav");
    player.Play(BesideTheProgram("BLOCKEND.MID"));
    player.Play(BesideTheProgram("FRAME.WAV"));
    player.Play(BesideTheProgram("FRAME.WAV"));
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

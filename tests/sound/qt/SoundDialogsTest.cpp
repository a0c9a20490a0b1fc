// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Sound command and its dialogs driven as a user would. The music runs
// on a recording device, so nothing sounds and no music check asks anything.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "base/qt/DialogControls.h"
#include "engine/GameSession.h"
#include "sound/EffectPaths.h"
#include "sound/qt/CMusicFilesDlg.h"
#include "sound/qt/CSoundDlg.h"
#include "sound/qt/CSoundEventsDlg.h"
#include "sound/qt/SoundCommands.h"
#include "stages/CBlockDoc.h"
#include "tests/base/qt/MessageBoxes.h"
#include "tests/engine/SetState.h"
#include "tests/sound/SoundFakes.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
using namespace Settings;

QAbstractButton& Button(const QWidget& dialog, int id) { return *DialogControl(dialog, id); }

void MakeFile(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

class SoundCommandTest : public ::testing::Test, public SoundWorld {
protected:
    SoundCommandTest() {
        for (int slot = 0; slot < kMusicSceneCount; ++slot)
            settings.WriteString(kSection, kMusicKeys[slot], "/music/" + std::to_string(slot) + ".mid");
        Attach("/opt/zembro/");
    }

    // The command, with the action done on its Sound dialog.
    void Run(std::function<void(QWidget&)> action, bool hasWaveOutput = true) {
        WhenDialogOpens(std::move(action));
        RunSoundCommand(session, sound, settings, hasWaveOutput, nullptr);
    }
};

TEST_F(SoundCommandTest, CancelStillStartsTheScenesMusicOverWhenMusicIsOn) {
    Set(session, &SessionState::mode, GameMode::Demo);
    Set(session, &SessionState::musicEnabled, true);
    sound.CheckMusicFiles();
    sound.PlayMusic(MusicScene::Demo);
    log.clear();
    Run([this](QWidget& dialog) {
        EXPECT_THAT(log, ElementsAre("close")) << "the music stops while the dialog is open";
        Button(dialog, 2).click();
    });
    EXPECT_THAT(log, ElementsAre("close", "open /music/0.mid", "status", "play"));
    EXPECT_EQ(settings.ReadInt(kSection, kSound, -1), -1) << "Cancel stores nothing";
}

TEST_F(SoundCommandTest, TickingMusicWithoutAMidiDeviceStoresItAndPlaysNothingInTheEditor) {
    Set(session, &SessionState::mode, GameMode::Editor);
    Run([](QWidget& dialog) {
        EXPECT_FALSE(Button(dialog, 147).isEnabled());
        Button(dialog, 144).click();
        EXPECT_TRUE(Button(dialog, 147).isEnabled());
        Button(dialog, 1).click();
    });
    EXPECT_TRUE(session.State().musicEnabled);
    EXPECT_FALSE(session.State().effectsEnabled);
    EXPECT_EQ(settings.ReadInt(kSection, kSound, -1), kSoundMusicBit);
    EXPECT_EQ(settings.ReadString(kSection, kEffectKeys[0], ""), "/opt/zembro/TOPPADL.WAV");
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(SoundCommandTest, TheEffectsButtonNeedsAWaveOutput) {
    Set(session, &SessionState::effectsEnabled, true);
    Run(
        [](QWidget& dialog) {
            EXPECT_FALSE(Button(dialog, 148).isEnabled());
            Button(dialog, 146).click();
            Button(dialog, 146).click();
            EXPECT_FALSE(Button(dialog, 148).isEnabled());
            dialog.close();
        },
        /*hasWaveOutput=*/false);
    Run([](QWidget& dialog) {
        EXPECT_TRUE(Button(dialog, 148).isEnabled());
        Button(dialog, 146).click();
        EXPECT_FALSE(Button(dialog, 148).isEnabled());
        dialog.close();
    });
}

TEST_F(SoundCommandTest, TheEventsChosenGoToTheTableAndCancelThenReadsClose) {
    Set(session, &SessionState::effectsEnabled, true);
    QTemporaryDir dir;
    MakeFile(dir.filePath("BOOM.WAV"));
    effects.SetPath(SoundEvent::PaddleTop, "");
    QString cancelText;
    Run([&](QWidget& soundDialog) {
        EXPECT_EQ(Button(soundDialog, 2).text(), "ｷｬﾝｾﾙ");
        WhenDialogOpens([&](QWidget& events) {
            auto& dlg = dynamic_cast<CSoundEventsDlg&>(events);
            dlg.m_szDir = dir.path().toStdString() + "/";
            dlg.m_szWave[0] = dlg.m_szDir + "BOOM.WAV";
            EXPECT_EQ(dlg.m_szWave[6], "/opt/zembro/chimes.wav") << "a copy of the table";
            QTimer::singleShot(0, &dlg, [&dlg] { dlg.accept(); });
        });
        Button(soundDialog, 148).click();
        cancelText = Button(soundDialog, 2).text();
        Button(soundDialog, 2).click();
    });
    EXPECT_EQ(cancelText, "閉じる");
    EXPECT_EQ(effects.PathOf(SoundEvent::PaddleTop), dir.path().toStdString() + "/BOOM.WAV");
    EXPECT_EQ(settings.ReadString(kSection, kEffectKeys[0], "(none)"), "(none)") << "in memory until saved";
}

// The Music files dialog -----------------------------------------------

class MusicFilesDialogTest : public ::testing::Test {
protected:
    ~MusicFilesDialogTest() override { ProgramMusicPaths() = saved; }

    // The table the dialog starts from: three files that exist.
    MusicPathTable FillTable() {
        const MusicPathTable before = ProgramMusicPaths();
        for (int slot = 0; slot < kMusicSceneCount; ++slot)
            ProgramMusicPaths()[slot] = Existing(std::to_string(slot) + ".mid");
        return before;
    }

    std::string Existing(const std::string& name) {
        const QString path = dir.filePath(QString::fromStdString(name));
        MakeFile(path);
        return path.toStdString();
    }
    QLineEdit& Edit(int id) { return *DialogControl<QLineEdit>(dlg, id); }
    std::string Stored(int slot) { return settings.ReadString(kSection, kMusicKeys[slot], "(none)"); }

    QTemporaryDir dir;
    MusicPathTable saved = FillTable();
    MemorySettingsStore settings;
    CMusicFilesDlg dlg{settings};
};

// Which texts are stored and the order of the reports are the store's tests.
TEST_F(MusicFilesDialogTest, AnInvalidPathIsToldAndKeepsItOpenWhileAnEmptiedBoxStoresNoMusic) {
    dlg.show();
    EXPECT_EQ(Edit(152).text().toStdString(), ProgramMusicPaths()[1]);
    Edit(150).setText("/gone/demo.mid");
    Edit(152).clear();
    const std::vector<SeenBox> told = MessageBoxesDuring([this] { Button(dlg, 1).click(); });
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].text, "パス /gone/demo.mid は無効です。");
    EXPECT_TRUE(dlg.isVisible()) << "stays open after an error";
    EXPECT_EQ(ProgramMusicPaths()[1], "") << "the table the music plays from";
    EXPECT_EQ(Stored(2), ProgramMusicPaths()[2]) << "every valid path is written";

    Edit(150).clear();
    Button(dlg, 1).click();
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(MusicFilesDialogTest, BrowsingKeepsAWholeLongPathAndWhatWasTyped) {
    QString longDir = dir.path();
    while (longDir.size() < 180) longDir += "/abcdefghij";
    ASSERT_TRUE(QDir().mkpath(longDir));
    QString chosen = longDir + "/";
    chosen += QString(200 - chosen.size() - 4, QLatin1Char('m')) + ".mid";
    ASSERT_EQ(chosen.size(), 200);
    MakeFile(chosen);

    QString titleAsked;
    dlg.chooseFile = [&](QWidget*, const QString& title) -> std::optional<QString> {
        titleAsked = title;
        return chosen;
    };
    dlg.show();
    Edit(150).setText("");
    Button(dlg, 153).click();
    EXPECT_EQ(titleAsked, "プレイ音楽");
    EXPECT_EQ(Edit(150).text(), "") << "the typed text survives browsing";
    EXPECT_EQ(Edit(152).text(), chosen);
    Button(dlg, 1).click();
    EXPECT_EQ(Stored(1), chosen.toStdString());

    dlg.chooseFile = [](QWidget*, const QString&) { return std::optional<QString>(); };
    Edit(154).setText("typed");
    Button(dlg, 155).click();
    EXPECT_EQ(Edit(154).text(), "typed") << "a cancelled browse changes nothing";
}

// The Sound-events dialog ----------------------------------------------

class SoundEventsDialogTest : public ::testing::Test {
protected:
    SoundEventsDialogTest() : before(QDir::currentPath()) {
        root = dir.path().toStdString() + "/";
        QDir(dir.path()).mkpath("sounds/more");
        for (const char* name : {"sounds/FRAME.WAV", "sounds/boing.wav", "sounds/readme.txt", "top.wav"})
            MakeFile(dir.filePath(name));
        dlg.m_szDir = root;
    }
    // Listing a directory makes it the current one.
    ~SoundEventsDialogTest() override { QDir::setCurrent(before); }

    QListWidget& Events() { return *DialogControl<QListWidget>(dlg, 346); }
    QListWidget& Files() { return *DialogControl<QListWidget>(dlg, 347); }
    // The whole directory; the label itself may shorten a long one.
    QString Label() { return DialogControl<QLabel>(dlg, 348)->toolTip(); }
    QString SelectedFile() {
        const auto items = Files().selectedItems();
        return items.isEmpty() ? QString() : items.first()->text();
    }
    QStringList Listed() {
        QStringList texts;
        for (int row = 0; row < Files().count(); ++row) texts << Files().item(row)->text();
        return texts;
    }
    void DoubleClickFile(const QString& text) {
        QListWidgetItem* item = Files().findItems(text, Qt::MatchExactly).value(0);
        ASSERT_NE(item, nullptr) << text.toStdString();
        Files().setCurrentItem(item);
        emit Files().itemDoubleClicked(item);
    }

    QString before;
    QTemporaryDir dir;
    std::string root;
    std::vector<std::string> played;
    CSoundEventsDlg dlg{[this](const std::string& path) { played.push_back(path); }};
};

TEST_F(SoundEventsDialogTest, AnEventsFileIsShownSelectedInItsDirectoryAndOneThatIsGoneIsForgotten) {
    dlg.m_szWave[0] = root + "sounds/FRAME.WAV";
    dlg.m_szWave[1] = root + "sounds/gone.wav";
    dlg.m_szWave[2] = root + "nowhere/gone.wav";
    dlg.show();
    ASSERT_EQ(Events().count(), kSoundEventCount);
    EXPECT_EQ(Events().item(0)->text(), "ラケット上に当たる");
    EXPECT_EQ(Events().item(6)->text(), "ボールを失う");
    EXPECT_EQ(Events().currentRow(), 0);
    EXPECT_EQ(Label().toStdString(), root + "sounds");
    EXPECT_EQ(Listed(), QStringList({"<なし>", "boing.wav", "FRAME.WAV", "[..]", "[more]"}));
    EXPECT_EQ(SelectedFile(), "FRAME.WAV");
    EXPECT_TRUE(Button(dlg, 344).isEnabled());
    Button(dlg, 344).click();
    EXPECT_THAT(played, ElementsAre(root + "sounds/FRAME.WAV"));

    for (const int row : {1, 2}) {
        Events().setCurrentRow(row);
        EXPECT_EQ(SelectedFile(), "<なし>") << row;
        EXPECT_EQ(Label().toStdString(), root + "sounds") << "a directory that is gone is not listed";
    }
    Button(dlg, 1).click();
    EXPECT_EQ(dlg.m_szWave[0], root + "sounds/FRAME.WAV");
    EXPECT_EQ(dlg.m_szWave[1], "") << "a file that is gone is forgotten";
    EXPECT_EQ(dlg.m_szWave[2], "");
}

TEST_F(SoundEventsDialogTest, ChangingTheEventStoresTheChoiceForTheOneBefore) {
    dlg.m_szWave[0] = root + "top.wav";
    dlg.m_szWave[1] = "";
    dlg.show();
    Files().setCurrentItem(Files().findItems("<なし>", Qt::MatchExactly).value(0));
    EXPECT_FALSE(Button(dlg, 344).isEnabled());
    Events().setCurrentRow(1);
    EXPECT_EQ(dlg.m_szWave[0], "");
    EXPECT_EQ(dlg.m_nEvent, 1);
    EXPECT_EQ(SelectedFile(), "<なし>");

    DoubleClickFile("[sounds]");
    EXPECT_EQ(SelectedFile(), "") << "nothing is selected after moving";
    Events().setCurrentRow(2);
    EXPECT_EQ(dlg.m_szWave[1], "") << "no selection keeps the event's file";
    Events().setCurrentRow(1);
    Files().setCurrentItem(Files().findItems("boing.wav", Qt::MatchExactly).value(0));
    EXPECT_TRUE(Button(dlg, 344).isEnabled());
    Button(dlg, 1).click();
    EXPECT_EQ(dlg.m_szWave[1], root + "sounds/boing.wav") << "OK stores the event shown";
}

TEST_F(SoundEventsDialogTest, DoubleClicksMoveThroughDirectoriesAndPlayFiles) {
    dlg.show();
    EXPECT_EQ(Label().toStdString(), dir.path().toStdString());
    DoubleClickFile("[sounds]");
    DoubleClickFile("[more]");
    EXPECT_EQ(dlg.m_szDir, root + "sounds/more/");
    EXPECT_EQ(Listed(), QStringList({"<なし>", "[..]"}));
    DoubleClickFile("[..]");
    EXPECT_EQ(dlg.m_szDir, root + "sounds/");
    EXPECT_EQ(Label().toStdString(), root + "sounds");
    EXPECT_EQ(QDir::currentPath().toStdString(), root + "sounds");
    DoubleClickFile("boing.wav");
    DoubleClickFile("<なし>");
    EXPECT_THAT(played, ElementsAre(root + "sounds/boing.wav"));
    EXPECT_EQ(dlg.m_szDir, root + "sounds/");
    emit Events().itemDoubleClicked(Events().item(0));
    EXPECT_THAT(played, ElementsAre(root + "sounds/boing.wav")) << "<なし> is no file to play";
}
}  // namespace

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundControl.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "engine/BallFlight.h"
#include "engine/GameSession.h"
#include "engine/SessionStageSetView.h"
#include "sound/EffectPaths.h"
#include "stages/CBlockDoc.h"
#include "tests/engine/SetState.h"
#include "tests/sound/SoundFakes.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
constexpr const char* kProgramDir = "/opt/zembro/";

class SoundControlTest : public ::testing::Test, public SoundWorld {
protected:
    SoundControlTest() {
        // The events one tick's ball step raises, in order: the last one counts.
        session.SetBallStepper([this](BallFlight& flight) {
            flight.state.lastEvent = SoundEvent::None;
            for (SoundEvent event : tickEvents) flight.state.lastEvent = event;
            return StepOutcome::BallInPlay;
        });
        doc.AttachView(&sessionView);
        doc.CellsOf(0)[20] = 5;
        session.SetMusicOn(true);
        session.SetEffectsOn(true);
    }

    void Attach() { SoundWorld::Attach(kProgramDir); }

    // Attaches with every scene set to a file that exists.
    void AttachWithMusic() {
        for (int slot = 0; slot < kMusicSceneCount; ++slot)
            settings.WriteString(Settings::kSection, Settings::kMusicKeys[slot], "/music/" + std::to_string(slot) + ".mid");
        Attach();
        sound.CheckMusicFiles();
        log.clear();
    }

    void FlyingTick(std::vector<SoundEvent> events) {
        tickEvents = std::move(events);
        Set(session, &SessionState::ballState, BallState::InFlight);
        session.OnGameTick(GameSession::kTimerId);
    }

    std::vector<SoundEvent> tickEvents;

    std::string Stored(int slot) { return settings.ReadString(Settings::kSection, Settings::kMusicKeys[slot], "(none)"); }

    SessionStageSetView sessionView{session};
};

// Effects ------------------------------------------------------------------

TEST_F(SoundControlTest, ATickSoundsOnlyItsLastEventAndAnEmptyPathIsStillAskedFor) {
    Attach();
    FlyingTick({SoundEvent::Frame, SoundEvent::NormalBlock});
    FlyingTick({});
    EXPECT_THAT(log, ElementsAre("effect '/opt/zembro/NORMBLC.WAV'")) << "a quiet tick is quiet";
    // With effects off the session asks for nothing: the session's test.

    log.clear();
    effects.SetPath(SoundEvent::Fail, "");
    FlyingTick({SoundEvent::Fail});
    EXPECT_THAT(log, ElementsAre("effect ''")) << "an empty path is asked for, and the player keeps silent";
}

TEST_F(SoundControlTest, EffectsToggleFlipsAndSavesTheFlagsWithAllSevenPaths) {
    Attach();
    EXPECT_THAT(settings.Values(), IsEmpty()) << "defaults are not written at load";
    std::string longPath = "/" + std::string(300, 'w') + ".wav";
    effects.SetPath(SoundEvent::GoldBlock, longPath);

    sound.ToggleEffects();
    EXPECT_FALSE(session.State().effectsEnabled);
    EXPECT_EQ(settings.ReadInt(Settings::kSection, Settings::kSound, -1), 1);
    EXPECT_EQ(settings.Values().size(), 8u);
    EXPECT_EQ(settings.ReadString(Settings::kSection, "GoldBlockWave"), longPath) << "a long path is kept whole";
    EXPECT_EQ(settings.ReadString(Settings::kSection, "FailWave"), "/opt/zembro/chimes.wav");

    sound.ToggleEffects();
    EXPECT_TRUE(session.State().effectsEnabled);
    EXPECT_EQ(settings.ReadInt(Settings::kSection, Settings::kSound, -1), 3);
}

// Music on its device ------------------------------------------------------

TEST_F(SoundControlTest, PlayRestartAndStopTalkToTheDeviceInOrder) {
    AttachWithMusic();
    sound.PlayMusic(MusicScene::Demo);
    sound.PlayMusic(MusicScene::Play);
    sound.StopMusic();
    sound.StopMusic();
    EXPECT_THAT(log, ElementsAre("open /music/0.mid", "status", "play", "close", "open /music/1.mid", "status", "play",
                                 "close"));

    log.clear();
    sound.PlayMusic(MusicScene::GameOver);
    music[static_cast<int>(MusicScene::Play)] = "";
    sound.PlayMusic(MusicScene::Play);
    EXPECT_THAT(log, ElementsAre("open /music/2.mid", "status", "play", "close"))
        << "a scene without music still ends the one before";

    log.clear();
    sound.PlayMusic(MusicScene::Demo);
    sound.CloseMusicForGood();
    EXPECT_THAT(log, ElementsAre("open /music/0.mid", "status", "play", "close wait"));

    log.clear();
    Set(session, &SessionState::musicEnabled, false);
    sound.PlayMusic(MusicScene::Demo);
    EXPECT_THAT(log, IsEmpty());
}

TEST_F(SoundControlTest, AFileThatWillNotOpenIsSilenceButADeviceFailureIsToldAndTurnsMusicOff) {
    AttachWithMusic();
    device.openError = 275;
    sound.PlayMusic(MusicScene::Demo);
    sound.StopMusic();
    EXPECT_THAT(log, ElementsAre("open /music/0.mid"));
    EXPECT_TRUE(session.State().musicEnabled);
    EXPECT_FALSE(sound.MusicOpen());

    log.clear();
    device.openError = MusicDevice::kNoError;
    device.statusError = 7;
    sound.PlayMusic(MusicScene::Demo);
    EXPECT_THAT(log, ElementsAre("open /music/0.mid", "status", "message device error 7", "close"));
    EXPECT_FALSE(session.State().musicEnabled);
    EXPECT_FALSE(sound.MusicOpen());

    log.clear();
    Set(session, &SessionState::musicEnabled, true);
    device.statusError = MusicDevice::kNoError;
    device.playError = 9;
    sound.PlayMusic(MusicScene::Play);
    sound.StopMusic();
    EXPECT_THAT(log, ElementsAre("open /music/1.mid", "status", "play", "message device error 9", "close"));
    EXPECT_FALSE(session.State().musicEnabled);

    // A failure the device finds after play returned is told all the same;
    // once the music has stopped there is nothing left to fail.
    Set(session, &SessionState::musicEnabled, true);
    device.playError = MusicDevice::kNoError;
    sound.PlayMusic(MusicScene::Play);
    log.clear();
    device.FailLate(6);
    EXPECT_THAT(log, ElementsAre("close", "message device error 6"));
    EXPECT_FALSE(session.State().musicEnabled);
    EXPECT_FALSE(sound.MusicOpen());
    Set(session, &SessionState::musicEnabled, true);
    sound.PlayMusic(MusicScene::Play);
    sound.StopMusic();
    log.clear();
    device.FailLate(6);
    EXPECT_THAT(log, IsEmpty());
    EXPECT_TRUE(session.State().musicEnabled);
}

// Music that a failure turned off is stored off at once and the switches
// shown again, so that neither the button nor the next start says it is on:
// the toggle's or the Sound dialog's save came before the failure.
TEST_F(SoundControlTest, MusicTurnedOffByAFailureIsStoredOffAndShownAtOnce) {
    AttachWithMusic();
    sound.OnSwitchesChanged([this] { log.push_back("switches shown"); });
    settings.WriteInt(Settings::kSection, Settings::kSound, 3);
    sound.PlayMusic(MusicScene::Play);
    log.clear();
    device.FailLate(4);
    EXPECT_THAT(log, ElementsAre("close", "switches shown", "message device error 4")) << "off before the box";
    EXPECT_EQ(settings.ReadInt(Settings::kSection, Settings::kSound, -1), 2);

    Set(session, &SessionState::musicEnabled, true);
    settings.WriteInt(Settings::kSection, Settings::kSound, 3);
    device.statusError = 4;
    log.clear();
    sound.PlayMusic(MusicScene::Play);
    EXPECT_THAT(log, ElementsAre("open /music/1.mid", "status", "message device error 4", "close", "switches shown"));
    EXPECT_EQ(settings.ReadInt(Settings::kSection, Settings::kSound, -1), 2);
}

TEST_F(SoundControlTest, MusicToggleStopsOrChecksAndRestartsForTheModeAndSaves) {
    AttachWithMusic();
    Set(session, &SessionState::mode, GameMode::Demo);
    sound.PlayMusic(MusicScene::Demo);
    log.clear();

    sound.ToggleMusic();
    EXPECT_THAT(log, ElementsAre("close"));
    EXPECT_EQ(settings.ReadInt(Settings::kSection, Settings::kSound, -1), 2);

    log.clear();
    sound.ToggleMusic();
    EXPECT_THAT(log, ElementsAre("open /music/0.mid", "status", "play"));
    EXPECT_EQ(settings.ReadInt(Settings::kSection, Settings::kSound, -1), 3);

    log.clear();
    Set(session, &SessionState::mode, GameMode::Editor);
    sound.StopMusic();
    sound.ToggleMusic();
    settings.WriteString(Settings::kSection, "MidiDemo", ".");
    sound.ToggleMusic();
    EXPECT_THAT(log, ElementsAre("close")) << "the editor plays nothing";
    EXPECT_EQ(Stored(0), "/opt/zembro/BLOCKDEM.MID") << "but the check runs, and sets the default without asking";
    EXPECT_EQ(music[0], "/opt/zembro/BLOCKDEM.MID");
}

// The music file check -----------------------------------------------------

// A first run's settings name no music: "." as read here, which the check
// with music on replaces by the default above.
TEST_F(SoundControlTest, WithMusicOffTheCheckOnlyLoads) {
    settings.WriteString(Settings::kSection, "MidiPlay", "/gone/play.mid");
    ui.missingFiles = {"/gone/play.mid"};
    Set(session, &SessionState::musicEnabled, false);
    Attach();
    sound.CheckMusicFiles();
    EXPECT_THAT(log, IsEmpty());
    EXPECT_EQ(music[0], ".");
    EXPECT_EQ(music[1], "/gone/play.mid");
    EXPECT_EQ(settings.Values().size(), 1u);
}

class MissingMusicTest : public SoundControlTest {
protected:
    MissingMusicTest() {
        for (int slot = 0; slot < kMusicSceneCount; ++slot) {
            const std::string path = "/gone/" + std::to_string(slot) + ".mid";
            settings.WriteString(Settings::kSection, Settings::kMusicKeys[slot], path);
            ui.missingFiles.insert(path);
        }
        Attach();
    }
};

TEST_F(MissingMusicTest, DefaultForThisSceneAsksAgainForTheNext) {
    ui.answers = {MusicNotFoundChoice::SetDefault, MusicNotFoundChoice::SetDefault, MusicNotFoundChoice::SetDefault};
    sound.CheckMusicFiles();
    EXPECT_THAT(log, ElementsAre("ask デモ音楽 /gone/0.mid", "ask プレイ音楽 /gone/1.mid", "ask GAME OVER音楽 /gone/2.mid"));
    EXPECT_EQ(Stored(1), "/opt/zembro/BLOCKPLY.MID");
}

TEST_F(MissingMusicTest, DefaultForAllAnswersForTheLaterScenesOfThisCheck) {
    ui.missingFiles.erase("/gone/0.mid");
    ui.answers = {MusicNotFoundChoice::SetAllToDefault};
    sound.CheckMusicFiles();
    EXPECT_THAT(log, ElementsAre("ask プレイ音楽 /gone/1.mid"));
    EXPECT_EQ(Stored(0), "/gone/0.mid");
    EXPECT_EQ(Stored(1), "/opt/zembro/BLOCKPLY.MID");
    EXPECT_EQ(Stored(2), "/opt/zembro/BLOCKEND.MID");

    log.clear();
    settings.WriteString(Settings::kSection, "MidiGameOver", "/gone/2.mid");
    sound.CheckMusicFiles();
    EXPECT_THAT(log, ElementsAre("ask GAME OVER音楽 /gone/2.mid")) << "the next check asks again";
}

TEST_F(MissingMusicTest, ChoosingFreelyOpensTheMusicFilesDialogAndEndsTheCheck) {
    ui.answers = {MusicNotFoundChoice::ChooseFreely};
    sound.CheckMusicFiles();
    EXPECT_THAT(log, ElementsAre("ask デモ音楽 /gone/0.mid", "music files dialog"));
    EXPECT_EQ(Stored(0), "/gone/0.mid");
    EXPECT_EQ(Stored(2), "/gone/2.mid");
}

TEST_F(MissingMusicTest, CancelStoresNoMusicAndLaterChecksPassOver) {
    ui.answers = {MusicNotFoundChoice::Cancel, MusicNotFoundChoice::SetDefault, MusicNotFoundChoice::Cancel};
    sound.CheckMusicFiles();
    EXPECT_EQ(Stored(0), "");
    EXPECT_EQ(Stored(1), "/opt/zembro/BLOCKPLY.MID");
    EXPECT_EQ(Stored(2), "");

    log.clear();
    sound.CheckMusicFiles();
    sound.PlayMusic(MusicScene::Demo);
    EXPECT_THAT(log, IsEmpty());
}
// The program told to end while a question is open (a signal, the
// session's end) ends the dialog without an answer: that is no cancel.
TEST_F(MissingMusicTest, AQuestionEndedByTheProgramsEndStoresNothingAndAsksNoMore) {
    ui.answers = {MusicNotFoundChoice::SetDefault, MusicNotFoundChoice::Unanswered};
    sound.CheckMusicFiles();
    EXPECT_THAT(log, ElementsAre("ask デモ音楽 /gone/0.mid", "ask プレイ音楽 /gone/1.mid"));
    EXPECT_EQ(Stored(0), "/opt/zembro/BLOCKDEM.MID") << "answered before the end";
    EXPECT_EQ(Stored(1), "/gone/1.mid");
    EXPECT_EQ(Stored(2), "/gone/2.mid");
}
}  // namespace

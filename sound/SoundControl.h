// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <string>

#include "sound/MusicDevice.h"
#include "sound/MusicPaths.h"
#include "sound/SoundCues.h"
#include "sound/SoundTypes.h"

class EffectPaths;
class EffectPlayer;
class MusicUi;
class SettingsStore;
class SoundGame;

// The playfield view's sound: the tick's effect, the scene music on its
// device, the music file check, the two sound switches and saving them.
// The switches themselves are the game's.
// Until the services are attached nothing sounds.
class SoundControl : public SoundCues {
public:
    struct Services {
        EffectPaths* effects = nullptr;   // the application's table
        MusicPathTable* music = nullptr;  // the program-wide table
        std::string programDir;
        EffectPlayer* effectPlayer = nullptr;
        MusicDevice* musicDevice = nullptr;
        MusicUi* ui = nullptr;
    };

    SoundControl(SoundGame& game, SettingsStore& settings);

    void Attach(Services services);
    bool Attached() const { return services_.effects != nullptr; }

    void PlayEffect(SoundEvent event) override;
    // A file played as effects are, for the Sound-events dialog's test.
    void PlayEffectFile(const std::string& path);

    // The effect table and the program's directory, none until attached.
    EffectPaths* Effects() const { return services_.effects; }
    const std::string& ProgramDir() const { return services_.programDir; }

    // Closes any open music, then starts the scene's file from its beginning.
    void PlayMusic(MusicScene scene) override;
    void StopMusic() override;
    // The last close, when the view goes: it waits for the device.
    void CloseMusicForGood();
    bool MusicOpen() const { return deviceOpen_; }

    void CheckMusicFiles();
    // The music of the current mode: Demo or Play; the editor has none.
    void RestartMusicForMode();

    // The toolbar switches (commands 33004 and 33005); both are always
    // enabled and checked while their sound is on.
    void ToggleMusic();
    void ToggleEffects();

    // "Sound" from the two switches as they stand, then the seven effect paths.
    void SaveSoundSettings();

    // Called when the sound itself, not a command, changed a switch (a
    // failure turned music off), so that the buttons are shown again.
    void OnSwitchesChanged(std::function<void()> changed) { switchesChanged_ = std::move(changed); }

private:
    void FailMusic(MusicDevice::Error error);
    void FailMusicLate(MusicDevice::Error error);
    // Music off for the rest of the run, stored so and shown so.
    void TurnMusicOffAfterFailure();

    SoundGame& game_;
    SettingsStore& settings_;
    Services services_;
    bool deviceOpen_ = false;
    std::function<void()> switchesChanged_;
};

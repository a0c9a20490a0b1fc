// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundControl.h"

#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "sound/EffectPaths.h"
#include "sound/EffectPlayer.h"
#include "sound/MusicFileCheck.h"
#include "sound/SoundGame.h"

SoundControl::SoundControl(SoundGame& game, SettingsStore& settings) : game_(game), settings_(settings) {}

void SoundControl::Attach(Services services) {
    services_ = std::move(services);
    if (services_.musicDevice != nullptr)
        services_.musicDevice->OnLateFailure([this](MusicDevice::Error error) { FailMusicLate(error); });
}

void SoundControl::PlayEffect(SoundEvent event) {
    if (!Attached() || event == SoundEvent::None) return;
    // Asked even for an empty path: the player knows to stay silent.
    services_.effectPlayer->Play(services_.effects->PathOf(event));
}

void SoundControl::PlayEffectFile(const std::string& path) {
    if (Attached()) services_.effectPlayer->Play(path);
}

void SoundControl::PlayMusic(MusicScene scene) {
    if (!game_.MusicOn() || !Attached()) return;
    // The old music goes even when the new scene has none.
    StopMusic();
    const std::string& path = (*services_.music)[static_cast<int>(scene)];
    if (path.empty()) return;

    MusicDevice& device = *services_.musicDevice;
    // A file that cannot be opened (a default that is not there) is silence, not an error.
    if (device.Open(path) != MusicDevice::kNoError) return;
    if (const auto error = device.QueryStatus(); error != MusicDevice::kNoError) return FailMusic(error);
    if (const auto error = device.Play(); error != MusicDevice::kNoError) return FailMusic(error);
    deviceOpen_ = true;
}

void SoundControl::FailMusic(MusicDevice::Error error) {
    MusicDevice& device = *services_.musicDevice;
    game_.ShowSoundMessage(device.ErrorText(error), MessageIcon::Exclamation);
    device.Close(MusicDevice::CloseMode::NoWait);
    TurnMusicOffAfterFailure();
}

void SoundControl::FailMusicLate(MusicDevice::Error error) {
    // Music stopped since (the editor, the switch) has nothing left to fail;
    // the device tells again at the next play.
    if (!deviceOpen_) return;
    deviceOpen_ = false;
    // Off before the box: the ticks that go on behind it must not ask again.
    MusicDevice& device = *services_.musicDevice;
    device.Close(MusicDevice::CloseMode::NoWait);
    TurnMusicOffAfterFailure();
    game_.ShowSoundMessage(device.ErrorText(error), MessageIcon::Exclamation);
}

void SoundControl::TurnMusicOffAfterFailure() {
    // Off until the user turns it on again, so the failure is told once. The
    // command that turned it on has stored it on and shown its button
    // pressed already (the failure came after it, or later still): both
    // are put right, lest the button and the next start say music is on.
    game_.SetMusicOn(false);
    SaveSoundSettings();
    if (switchesChanged_) switchesChanged_();
}

void SoundControl::StopMusic() {
    if (!deviceOpen_) return;
    services_.musicDevice->Close(MusicDevice::CloseMode::NoWait);
    deviceOpen_ = false;
}

void SoundControl::CloseMusicForGood() {
    if (!deviceOpen_) return;
    services_.musicDevice->Close(MusicDevice::CloseMode::Wait);
    deviceOpen_ = false;
}

void SoundControl::CheckMusicFiles() {
    if (!Attached()) return;
    ::CheckMusicFiles(game_.MusicOn(), *services_.music, settings_, services_.programDir, *services_.ui);
}

void SoundControl::RestartMusicForMode() {
    if (const auto scene = game_.ModeMusic()) PlayMusic(*scene);
}

void SoundControl::ToggleMusic() {
    // No device is asked for: the user may try even without one.
    game_.SetMusicOn(!game_.MusicOn());
    if (game_.MusicOn()) {
        CheckMusicFiles();
        RestartMusicForMode();
    } else {
        StopMusic();
    }
    SaveSoundSettings();
}

void SoundControl::ToggleEffects() {
    game_.SetEffectsOn(!game_.EffectsOn());
    SaveSoundSettings();
}

void SoundControl::SaveSoundSettings() {
    using namespace Settings;
    const int sound = (game_.EffectsOn() ? kSoundEffectsBit : 0) | (game_.MusicOn() ? kSoundMusicBit : 0);
    settings_.WriteInt(kSection, kSound, sound);
    if (!Attached()) return;
    for (int slot = 0; slot < kSoundEventCount; ++slot)
        settings_.WriteString(kSection, kEffectKeys[slot], services_.effects->PathOf(static_cast<SoundEvent>(slot + 1)));
}

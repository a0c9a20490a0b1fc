// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "sound/SoundTypes.h"

class SettingsStore;

// The default sound of a lost ball lies in the system's own directory, named
// without its trailing separator and followed by "/chimes.wav". Here that
// directory is the program's, where the chime ships with the other sounds.
inline constexpr std::string_view kFailSoundName = "/chimes.wav";

// The WAV file of each SoundEvent, shared by the playfield view and the
// sound-events dialog, so it lives as long as the application. An empty
// path sounds nothing.
class EffectPaths {
public:
    // Reads the seven paths in SoundEvent order, each with its default. The
    // defaults are not written back: the table reaches the settings only
    // when the sound settings are saved.
    void Load(SettingsStore& settings, std::string_view programDir);

    // The path of an event other than SoundEvent::None.
    const std::string& PathOf(SoundEvent event) const;
    void SetPath(SoundEvent event, std::string path);

private:
    std::array<std::string, kSoundEventCount> paths_{};
};

// The file an event sounds when the settings name none.
std::string DefaultEffectPath(SoundEvent event, std::string_view programDir);

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sound/SoundTypes.h"

// The sounds a game asks for as it plays: the tick's effect and the music of
// its scenes. PlayMusic does nothing while music is off.
class SoundCues {
public:
    virtual ~SoundCues() = default;

    virtual void PlayEffect(SoundEvent event) = 0;
    virtual void PlayMusic(MusicScene scene) = 0;
    virtual void StopMusic() = 0;
};

// Silence: a game before its sound is there, or without any.
class NoSoundCues : public SoundCues {
public:
    void PlayEffect(SoundEvent) override {}
    void PlayMusic(MusicScene) override {}
    void StopMusic() override {}
};

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "base/MessageIcon.h"
#include "sound/SoundTypes.h"

// What the sound needs of the game it sounds for: the two sound switches,
// which the game keeps, the music its current mode calls for, and the
// game's own message box for a device failure.
class SoundGame {
public:
    virtual bool MusicOn() const = 0;
    virtual void SetMusicOn(bool on) = 0;
    virtual bool EffectsOn() const = 0;
    virtual void SetEffectsOn(bool on) = 0;

    // Nothing where the mode has no music (the editor).
    virtual std::optional<MusicScene> ModeMusic() const = 0;

    // Modal; texts are UTF-8.
    virtual void ShowSoundMessage(std::string_view text, MessageIcon icon) = 0;

protected:
    ~SoundGame() = default;
};

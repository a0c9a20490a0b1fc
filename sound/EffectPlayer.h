// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Plays a WAV file in the background. A request returns at once and cuts
// off an effect still sounding; an empty or unplayable path sounds nothing
// and reports nothing.
class EffectPlayer {
public:
    virtual ~EffectPlayer() = default;
    virtual void Play(const std::string& path) = 0;
};

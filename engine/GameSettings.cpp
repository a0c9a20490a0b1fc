// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GameSettings.h"

#include <algorithm>

#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "engine/GameSession.h"
#include "sound/OutputDevices.h"

ZoomLevel ReadGameSettings(GameSession& session, SettingsStore& settings, const ScreenInfo& screen,
                           const OutputDevices& devices) {
    using namespace Settings;
    const ZoomLevel zoom = ApplyZoom(settings.ReadInt(kSection, kZoom, kDefaultZoom), screen, settings);

    const int sound = settings.ReadInt(kSection, kSound, kDefaultSound);
    session.SetMusicOn((sound & kSoundMusicBit) != 0 && devices.MidiOutputCount() > 0);
    session.SetEffectsOn((sound & kSoundEffectsBit) != 0 && devices.WaveOutputCount() > 0);

    session.SetSpeed(std::clamp(settings.ReadInt(kSection, kSpeed, kDefaultSpeed), 0, 3));
    session.SetControl(settings.ReadString(kSection, kUse) == kKeyboard,
                       settings.ReadString(kSection, kHideCursor) == kOn);
    return zoom;
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/OptionSettings.h"

#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "engine/GameSession.h"

namespace {
constexpr int kFastestSpeed = 3;
}

void SaveSpeedSetting(const GameSession& session, SettingsStore& settings) {
    settings.WriteInt(Settings::kSection, Settings::kSpeed, session.State().speed);
}

int SpeedToDialogIndex(int speed) { return kFastestSpeed - speed; }

void ApplySpeedChoice(GameSession& session, SettingsStore& settings, int dialogIndex) {
    if (dialogIndex < 0 || dialogIndex > kFastestSpeed) return;  // nothing was chosen
    session.SetSpeed(kFastestSpeed - dialogIndex);
    SaveSpeedSetting(session, settings);
}

int ControlToDialogIndex(const GameSession& session) {
    return session.State().keyboardControl ? kKeyboardControl : kMouseControl;
}

void ApplyControlChoice(GameSession& session, SettingsStore& settings, bool hideCursor, int control) {
    using namespace Settings;
    const bool keyboard = control == kKeyboardControl;
    session.SetControl(keyboard, hideCursor);
    settings.WriteString(kSection, kUse, keyboard ? kKeyboard : kMouse);
    settings.WriteString(kSection, kHideCursor, hideCursor ? kOn : kOff);
}

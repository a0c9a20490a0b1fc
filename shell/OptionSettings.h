// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class GameSession;
class SettingsStore;

// The Options commands' effect on the session and the settings, apart from
// the dialogs that ask for them.

// "Speed" = the session's speed.
void SaveSpeedSetting(const GameSession& session, SettingsStore& settings);

// The Speed dialog lists turbo first, so its index 0 is speed 3 and its
// index 3 speed 0.
int SpeedToDialogIndex(int speed);
// Sets the speed the dialog chose and stores it; an index outside 0..3 (no
// button checked) leaves both as they are.
void ApplySpeedChoice(GameSession& session, SettingsStore& settings, int dialogIndex);

// The Control dialog's radio index: 0 mouse, 1 keyboard.
inline constexpr int kMouseControl = 0;
inline constexpr int kKeyboardControl = 1;
int ControlToDialogIndex(const GameSession& session);
// Sets the pointer and control choice and stores "Use", then "HideCursor".
void ApplyControlChoice(GameSession& session, SettingsStore& settings, bool hideCursor, int control);


// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>

class GameSession;
class QWidget;
class SettingsStore;

// The commands that open the option dialogs. Each runs its dialog modally
// (the game's timer keeps ticking meanwhile) and changes nothing on Cancel.

// Speed (32775): the session's speed, stored as "Speed" on OK.
void RunSpeedCommand(GameSession& session, SettingsStore& settings, QWidget* parent);

// Control (32781): mouse or keyboard and the hidden pointer, stored as
// "Use" and "HideCursor" on OK.
void RunControlCommand(GameSession& session, SettingsStore& settings, QWidget* parent);

// Zoom (32768): the level (2, 3 or 4) chosen from the current one; the
// larger levels are offered only on a screen wide enough for them. Nothing
// on Cancel. The caller applies the level and fits the window.
std::optional<int> AskZoomLevel(int zoom, int screenWidth, QWidget* parent);

// The all-clear message, in UTF-8 with CR LF line breaks, edited within the
// document's 255 Shift-JIS bytes. Nothing on Cancel.
std::optional<std::string> AskAllClearMessage(const std::string& currentUtf8, QWidget* parent);

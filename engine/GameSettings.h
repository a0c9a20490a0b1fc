// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/Zoom.h"

class GameSession;
class OutputDevices;
class SettingsStore;

// Reads the view's game settings in the order its construction needs them:
// "Zoom" (applied and written back), "Sound" against the device counts,
// "Speed" clamped to 0..3, then "Use" and "HideCursor", which count only
// when they hold exactly "Keyboard" and "On". Returns the applied zoom.
ZoomLevel ReadGameSettings(GameSession& session, SettingsStore& settings, const ScreenInfo& screen,
                           const OutputDevices& devices);

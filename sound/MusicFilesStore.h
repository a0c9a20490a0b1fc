// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>
#include <string>

#include "sound/MusicPaths.h"

class SettingsStore;

// The texts of the Music files dialog, one per MusicScene.
using MusicFileTexts = std::array<std::string, kMusicSceneCount>;

// The Music files dialog's OK. In scene order, a text that names a missing
// file is reported; every other one, the empty text included (no music),
// goes into the table and the settings at once. Returns true when every
// text was stored.
bool StoreMusicFiles(const MusicFileTexts& texts, MusicPathTable& table, SettingsStore& settings,
                     const std::function<bool(const std::string&)>& fileIsMissing,
                     const std::function<void(const std::string&)>& reportInvalid);

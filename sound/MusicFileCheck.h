// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

#include "sound/MusicPaths.h"

class MusicUi;
class SettingsStore;

// Loads the music path table from the settings and, with music on, puts the
// default in place of every unset path and asks the user about each file
// that is missing. Whatever it decides is written at once; a question left
// unanswered because the program is ending ends the check there.
void CheckMusicFiles(bool musicEnabled, MusicPathTable& paths, SettingsStore& settings, std::string_view programDir,
                     MusicUi& ui);

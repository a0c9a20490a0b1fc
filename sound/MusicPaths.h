// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>
#include <string_view>

#include "sound/SoundTypes.h"

// The MIDI file of each MusicScene. "" means the scene has no music; "."
// means it was never set, and the check puts the default in its place.
// Paths are kept whole, however long.
using MusicPathTable = std::array<std::string, kMusicSceneCount>;

// The one table of the whole program, shared by the view and the dialogs.
MusicPathTable& ProgramMusicPaths();

// The file a scene plays by default: the program's directory + its name.
std::string DefaultMusicPath(MusicScene scene, std::string_view programDir);

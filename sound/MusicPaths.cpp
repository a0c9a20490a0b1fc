// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MusicPaths.h"

#include "base/StringTable.h"

MusicPathTable& ProgramMusicPaths() {
    static MusicPathTable paths;
    return paths;
}

std::string DefaultMusicPath(MusicScene scene, std::string_view programDir) {
    return std::string(programDir).append(LoadString(StringId::FirstMusicFile + static_cast<int>(scene)));
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MusicFilesStore.h"

#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"

bool StoreMusicFiles(const MusicFileTexts& texts, MusicPathTable& table, SettingsStore& settings,
                     const std::function<bool(const std::string&)>& fileIsMissing,
                     const std::function<void(const std::string&)>& reportInvalid) {
    bool allStored = true;
    for (int slot = 0; slot < kMusicSceneCount; ++slot) {
        const std::string& text = texts[slot];
        if (!text.empty() && fileIsMissing(text)) {
            reportInvalid(text);
            allStored = false;
            continue;
        }
        table[slot] = text;
        settings.WriteString(Settings::kSection, Settings::kMusicKeys[slot], text);
    }
    return allStored;
}

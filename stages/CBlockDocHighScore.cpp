// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The set's best score in the settings, and the close hook that stores it.
#include <cstdint>

#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "stages/CBlockDoc.h"

void CBlockDoc::SaveHighScore() {
    if (GetTitle().empty()) return;  // no set has been opened yet
    if (View() == nullptr) return;
    Store().WriteInt(Settings::kSection, Settings::HighScoreKey(GetTitle()), View()->HighScore());
}

void CBlockDoc::LoadHighScore() {
    if (View() == nullptr) return;
    const int stored = Store().ReadInt(Settings::kSection, Settings::HighScoreKey(GetTitle()), 0);
    // Scores are 16-bit; a larger stored value counts by its low 16 bits.
    View()->SetHighScore(static_cast<std::uint16_t>(stored & 0xFFFF));
}

bool CBlockDoc::CanCloseFrame() {
    // Both are kept even if the user then cancels the close.
    SaveHighScore();
    Store().WriteString(Settings::kSection, Settings::kPattern, GetPathName());
    return Document::CanCloseFrame();
}

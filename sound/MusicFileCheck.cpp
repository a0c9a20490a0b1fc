// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/MusicFileCheck.h"

#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "base/StringTable.h"
#include "sound/MusicUi.h"

namespace {
class MusicFileCheck {
public:
    MusicFileCheck(MusicPathTable& paths, SettingsStore& settings, std::string_view programDir, MusicUi& ui)
        : paths_(paths), settings_(settings), programDir_(programDir), ui_(ui) {}

    void Load() {
        for (int slot = 0; slot < kMusicSceneCount; ++slot)
            paths_[slot] = settings_.ReadString(Settings::kSection, Settings::kMusicKeys[slot], Settings::kMusicNotSet);
    }

    // Returns once every scene is settled, or when the user went on to
    // choose the files in the Music files dialog.
    void Resolve() {
        for (int slot = 0; slot < kMusicSceneCount; ++slot) {
            const std::string& path = paths_[slot];
            if (path.empty()) continue;  // the user wants no music here
            if (path == Settings::kMusicNotSet) {
                SetDefault(slot);
                continue;
            }
            if (!ui_.FileIsMissing(path)) continue;
            if (allToDefault_) {
                SetDefault(slot);
                continue;
            }
            if (!AskAbout(slot)) return;
        }
    }

private:
    // False when the check ends here.
    bool AskAbout(int slot) {
        const std::string_view sceneName = LoadString(StringId::FirstMusicName + slot);
        switch (ui_.AskMusicNotFound(paths_[slot], sceneName)) {
        case MusicNotFoundChoice::SetDefault:
            SetDefault(slot);
            return true;
        case MusicNotFoundChoice::SetAllToDefault:
            allToDefault_ = true;
            SetDefault(slot);
            return true;
        case MusicNotFoundChoice::ChooseFreely:
            // The dialog sets the files itself; the later scenes wait for the next check.
            ui_.ShowMusicFilesDialog();
            return false;
        case MusicNotFoundChoice::Cancel:
            Store(slot, "");
            return true;
        default:
            // Unanswered: the program is ending. Nobody chose to silence
            // this scene or the later ones, so nothing is stored for them.
            return false;
        }
    }

    // Whether the default file exists is left to the player to find out.
    void SetDefault(int slot) { Store(slot, DefaultMusicPath(static_cast<MusicScene>(slot), programDir_)); }

    void Store(int slot, std::string path) {
        paths_[slot] = std::move(path);
        settings_.WriteString(Settings::kSection, Settings::kMusicKeys[slot], paths_[slot]);
    }

    MusicPathTable& paths_;
    SettingsStore& settings_;
    std::string_view programDir_;
    MusicUi& ui_;
    bool allToDefault_ = false;
};
}  // namespace

void CheckMusicFiles(bool musicEnabled, MusicPathTable& paths, SettingsStore& settings, std::string_view programDir,
                     MusicUi& ui) {
    MusicFileCheck check(paths, settings, programDir, ui);
    check.Load();
    if (musicEnabled) check.Resolve();
}

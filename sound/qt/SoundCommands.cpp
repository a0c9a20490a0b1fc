// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/SoundCommands.h"

#include "sound/EffectPaths.h"
#include "sound/SoundControl.h"
#include "sound/SoundGame.h"
#include "sound/qt/CMusicFilesDlg.h"
#include "sound/qt/CSoundDlg.h"
#include "sound/qt/CSoundEventsDlg.h"

namespace {
SoundEvent EventOfSlot(int slot) { return static_cast<SoundEvent>(slot + 1); }

// The effect files, edited in a copy that goes back to the table (not yet
// to the settings) only on OK.
void RunSoundEventsDialog(SoundControl& sound, QWidget* parent) {
    EffectPaths* effects = sound.Effects();
    if (effects == nullptr) return;
    CSoundEventsDlg dlg([&sound](const std::string& path) { sound.PlayEffectFile(path); }, parent);
    for (int slot = 0; slot < kSoundEventCount; ++slot) dlg.m_szWave[slot] = effects->PathOf(EventOfSlot(slot));
    dlg.m_szDir = sound.ProgramDir();
    if (dlg.exec() != QDialog::Accepted) return;
    for (int slot = 0; slot < kSoundEventCount; ++slot) effects->SetPath(EventOfSlot(slot), dlg.m_szWave[slot]);
}
}  // namespace

void RunSoundCommand(SoundGame& game, SoundControl& sound, SettingsStore& settings, bool hasWaveOutput,
                     QWidget* parent) {
    CSoundDlg dlg(hasWaveOutput, parent);
    dlg.m_bMusic = game.MusicOn() ? 1 : 0;
    dlg.m_bEffects = game.EffectsOn() ? 1 : 0;
    // Each sub-dialog opens over the Sound dialog.
    dlg.musicFilesDialog = [&settings, &dlg] { RunMusicFilesDialog(settings, &dlg); };
    dlg.soundEventsDialog = [&sound, &dlg] { RunSoundEventsDialog(sound, &dlg); };

    sound.StopMusic();
    if (dlg.exec() == QDialog::Accepted) {
        // No device is asked for: the user may try even without one.
        game.SetMusicOn(dlg.m_bMusic != 0);
        game.SetEffectsOn(dlg.m_bEffects != 0);
        sound.SaveSoundSettings();
    }
    if (game.MusicOn()) {
        sound.CheckMusicFiles();
        sound.RestartMusicForMode();
    }
}

void RunMusicFilesDialog(SettingsStore& settings, QWidget* parent) {
    CMusicFilesDlg dlg(settings, parent);
    dlg.exec();
}

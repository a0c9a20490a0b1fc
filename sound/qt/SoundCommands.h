// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;
class SettingsStore;
class SoundControl;
class SoundGame;

// The Sound command (32776). The music stops while the Sound dialog is
// open; on OK the two switches are taken and the sound settings saved.
// Whatever the answer, with music on the files are checked again and the
// current scene's music starts over. The effects' files can be set only
// with a wave output to test them on.
void RunSoundCommand(SoundGame& game, SoundControl& sound, SettingsStore& settings, bool hasWaveOutput,
                     QWidget* parent);

// The Music files dialog, run modally on its own: it stores what it
// accepts itself, so its answer matters to no one.
void RunMusicFilesDialog(SettingsStore& settings, QWidget* parent);

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QObject>

#include "sound/OutputDevices.h"
#include "sound/SoundControl.h"

class AudioOutput;
class EffectPaths;
class FluidSynthMusicDevice;
class OutputEffectPlayer;
class QtMusicUi;

// The program's sound devices for the whole run: one output stream to the
// sound server, the effects mixed into it, the synthesiser's music, and the
// music check's dialogs. The application owns them; the game reaches them
// only through its sound control.
class SoundDevices : public OutputDevices {
public:
    SoundDevices();
    ~SoundDevices() override;
    SoundDevices(const SoundDevices&) = delete;
    SoundDevices& operator=(const SoundDevices&) = delete;

    // What a sound control plays through, with the effect table and the
    // directory the default files lie in.
    SoundControl::Services ServicesFor(EffectPaths& effects, const std::string& programDir);
    // Decodes the effect files once the window is up: the player needs none
    // of them to see it.
    void PreloadEffectsLater(const EffectPaths& effects);
    // What the music files choice of the music-not-found dialog opens.
    void SetMusicFilesDialog(std::function<void()> show);

    int MidiOutputCount() const override;
    int WaveOutputCount() const override;

private:
    std::unique_ptr<AudioOutput> output_;
    std::unique_ptr<OutputEffectPlayer> effectPlayer_;
    std::unique_ptr<FluidSynthMusicDevice> musicDevice_;
    std::unique_ptr<QtMusicUi> musicUi_;
    // Goes first, and with it any preload not yet begun.
    QObject lifetime_;
};

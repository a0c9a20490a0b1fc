// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/SoundDevices.h"

#include <vector>

#include <QTimer>

#include "sound/EffectPaths.h"
#include "sound/MusicPaths.h"
#include "sound/qt/AudioOutput.h"
#include "sound/qt/FluidSynthMusicDevice.h"
#include "sound/qt/OutputEffectPlayer.h"
#include "sound/qt/QtMusicUi.h"
#include "sound/qt/SoundOutputProbe.h"

SoundDevices::SoundDevices()
    : output_(std::make_unique<AudioOutput>()),
      effectPlayer_(std::make_unique<OutputEffectPlayer>(*output_)),
      musicDevice_(std::make_unique<FluidSynthMusicDevice>(*output_)),
      musicUi_(std::make_unique<QtMusicUi>()) {}

SoundDevices::~SoundDevices() = default;

SoundControl::Services SoundDevices::ServicesFor(EffectPaths& effects, const std::string& programDir) {
    return {&effects, &ProgramMusicPaths(), programDir, effectPlayer_.get(), musicDevice_.get(), musicUi_.get()};
}

void SoundDevices::PreloadEffectsLater(const EffectPaths& effects) {
    std::vector<std::string> files;
    for (int slot = 0; slot < kSoundEventCount; ++slot) files.push_back(effects.PathOf(static_cast<SoundEvent>(slot + 1)));
    QTimer::singleShot(0, &lifetime_, [player = effectPlayer_.get(), files] { player->Preload(files); });
}

void SoundDevices::SetMusicFilesDialog(std::function<void()> show) { musicUi_->SetMusicFilesDialog(std::move(show)); }

int SoundDevices::MidiOutputCount() const { return FluidSynthMusicDevice::OutputCount(); }

int SoundDevices::WaveOutputCount() const { return SoundOutputPresent() ? 1 : 0; }

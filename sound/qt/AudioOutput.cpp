// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/AudioOutput.h"

#include <algorithm>

#include "sound/SoundWorkLog.h"
#include "sound/qt/FluidSynthLibrary.h"
#include "sound/qt/PulseStream.h"
#include "sound/qt/SoundOutputProbe.h"

namespace {
// Without a sound server, ALSA through FluidSynth's driver.
constexpr const char* kFallbackDriver = "alsa";
constexpr float kClipScale = 1.0f / 32768.0f;
}  // namespace

fluid_settings_t* AudioOutput::NewSettings() {
    const FluidSynthLibrary* fluid = FluidSynth();
    if (fluid == nullptr) return nullptr;
    fluid_settings_t* settings = fluid->new_fluid_settings();
    fluid->fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
    fluid->fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid->fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid->fluid_settings_setint(settings, "synth.polyphony", 64);
    fluid->fluid_settings_setnum(settings, "synth.gain", 0.4);
    fluid->fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // Periods of some 46 ms: few wake-ups, and an effect still sounds within a tick or two.
    fluid->fluid_settings_setint(settings, "audio.period-size", 1024);
    fluid->fluid_settings_setint(settings, "audio.periods", 2);
    return settings;
}

AudioOutput::AudioOutput(Clock clock) : clock_(std::move(clock)) {}

AudioOutput::~AudioOutput() {
    stream_.reset();
    // Either exists only once the library has been loaded.
    if (driver_ != nullptr) FluidSynth()->delete_fluid_audio_driver(driver_);
    if (settings_ != nullptr) FluidSynth()->delete_fluid_settings(settings_);
}

fluid_settings_t* AudioOutput::Settings() {
    std::call_once(settingsMade_, [this] { settings_ = NewSettings(); });
    return settings_;
}

AudioOutput::OpenResult AudioOutput::Open() {
    std::lock_guard lock(openMutex_);
    if (driver_ != nullptr || (stream_ != nullptr && !stream_->Lost())) return OpenResult::Open;
    // A stream whose server went away carries nothing; a new one may.
    stream_.reset();
    if (!retry_.MayTry(clock_())) return OpenResult::NotTried;
    SoundWorkLog::Note("open output");
    // The server's own stream is filled in large requests on one thread of
    // its library; FluidSynth's driver for it adds a second thread and
    // writes in small pieces, at several times the cost.
    stream_ = PulseStream::Open(kSampleRate, &AudioOutput::RenderStereo, &AudioOutput::OnStreamLost, this);
    // The fallback is tried only where it has a device to open: its library
    // would otherwise fill the error output at every retry.
    if (stream_ == nullptr && PlaybackDevicePresent() && Settings() != nullptr) {
        const FluidSynthLibrary* fluid = FluidSynth();
        fluid->fluid_settings_setstr(settings_, "audio.driver", kFallbackDriver);
        driver_ = fluid->new_fluid_audio_driver2(settings_, &AudioOutput::Render, this);
    }
    carrying_ = driver_ != nullptr || stream_ != nullptr;
    // A loss told between the connection and the line above is not missed.
    if (stream_ != nullptr && stream_->Lost()) carrying_ = false;
    return carrying_ ? OpenResult::Open : OpenResult::Failed;
}

void AudioOutput::OnStreamLost(void* data) { static_cast<AudioOutput*>(data)->carrying_ = false; }

bool AudioOutput::Present() const { return carrying_ || SoundOutputPresent(); }

void AudioOutput::RenderStereo(void* data, int frames, float* left, float* right) {
    float* outputs[] = {left, right};
    Render(data, frames, 0, nullptr, 2, outputs);
}

void AudioOutput::SetSynth(fluid_synth_t* synth) {
    std::lock_guard lock(synthMutex_);
    synth_ = synth;
}

void AudioOutput::PlayClip(std::shared_ptr<const WaveClip> clip) {
    std::lock_guard lock(clipMutex_);
    clip_ = std::move(clip);
    clipPosition_ = 0;
}

bool AudioOutput::ClipSounding() const {
    std::lock_guard lock(clipMutex_);
    return clip_ != nullptr;
}

int AudioOutput::Render(void* data, int length, int effectCount, float* effects[], int outputCount,
                        float* outputs[]) {
    auto* self = static_cast<AudioOutput*>(data);
    for (int i = 0; i < outputCount; ++i) std::fill_n(outputs[i], length, 0.0f);
    for (int i = 0; i < effectCount; ++i) std::fill_n(effects[i], length, 0.0f);
    {
        // Until the synthesiser is ready there is no music, only silence.
        std::lock_guard lock(self->synthMutex_);
        if (self->synth_ != nullptr)
            FluidSynth()->fluid_synth_process(self->synth_, length, effectCount, effects, outputCount, outputs);
    }
    self->MixClip(length, outputCount, outputs);
    return FLUID_OK;
}

void AudioOutput::MixClip(int length, int outputCount, float* outputs[]) {
    std::lock_guard lock(clipMutex_);
    if (clip_ == nullptr) return;
    const std::size_t count = std::min<std::size_t>(length, clip_->size() - clipPosition_);
    for (int channel = 0; channel < outputCount; ++channel)
        for (std::size_t i = 0; i < count; ++i) outputs[channel][i] += (*clip_)[clipPosition_ + i] * kClipScale;
    clipPosition_ += count;
    if (clipPosition_ == clip_->size()) clip_ = nullptr;
}

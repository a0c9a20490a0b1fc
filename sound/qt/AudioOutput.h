// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <memory>
#include <mutex>

#include <fluidsynth.h>

#include "sound/WaveClip.h"

// The program's one sound output: a stream to the system's sound server
// (PulseAudio, else ALSA through FluidSynth's audio driver) that carries
// the music synthesiser and the sound effect on top of it. It is opened the first time either
// needs it, on the thread that needs it (never the interface's), and stays
// open; while nothing sounds it plays silence.
// One stream serves both because Qt Multimedia's own effect player
// (QSoundEffect, Qt 6.4 on PulseAudio) sounds a file only the first time it
// is asked and stays silent on every later play.
class PulseStream;

class AudioOutput {
public:
    static constexpr int kSampleRate = 22050;

    AudioOutput();
    virtual ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // False when no sound server or device will take the stream; a failed
    // open is not tried again. Safe from any thread.
    virtual bool Open();

    // The settings the synthesiser must be made with, to match the stream;
    // null without FluidSynth. The first call loads the library.
    fluid_settings_t* Settings();
    // The synthesiser whose sound the stream carries; none at first. Once
    // this returns, the stream no longer touches the one before.
    void SetSynth(fluid_synth_t* synth);

    // Starts a clip at once, cutting off the one still sounding.
    void PlayClip(std::shared_ptr<const WaveClip> clip);
    void StopClip() { PlayClip(nullptr); }
    bool ClipSounding() const;

    // The synthesiser settings the program plays with: a modest rate, no
    // reverb or chorus, and samples loaded only for the instruments in use.
    // Null without FluidSynth.
    static fluid_settings_t* NewSettings();

protected:
    // Fills one period: the synthesiser's music with the clip mixed in.
    static int Render(void* data, int length, int effectCount, float* effects[], int outputCount, float* outputs[]);

private:
    static void RenderStereo(void* data, int frames, float* left, float* right);
    void MixClip(int length, int outputCount, float* outputs[]);
    bool IsOpenLocked() const { return stream_ != nullptr || driver_ != nullptr; }

    std::once_flag settingsMade_;
    fluid_settings_t* settings_ = nullptr;
    std::mutex openMutex_;
    std::unique_ptr<PulseStream> stream_;
    fluid_audio_driver_t* driver_ = nullptr;
    bool openTried_ = false;  // once, failed or not
    std::mutex synthMutex_;  // the synthesiser, between its owner and the stream
    fluid_synth_t* synth_ = nullptr;
    mutable std::mutex clipMutex_;  // the clip, between the user's thread and the stream's
    std::shared_ptr<const WaveClip> clip_;
    std::size_t clipPosition_ = 0;
};

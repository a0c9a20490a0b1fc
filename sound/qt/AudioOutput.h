// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>

#include <fluidsynth.h>

#include "sound/RetryGate.h"
#include "sound/WaveClip.h"

// The program's one sound output: a stream to the system's sound server
// (PulseAudio, else ALSA through FluidSynth's audio driver) that carries
// the music synthesiser and the sound effect on top of it. It is opened the first time either
// needs it, on the thread that needs it (never the interface's), and stays
// open; while nothing sounds it plays silence. A server that goes away
// takes the stream with it; the next effect or tune opens a new one, once
// the server is back, and a failed open is tried again only every few
// seconds however often sound is asked for.
// One stream serves both because Qt Multimedia's own effect player
// (QSoundEffect, Qt 6.4 on PulseAudio) sounds a file only the first time it
// is asked and stays silent on every later play.
class PulseStream;

class AudioOutput {
public:
    static constexpr int kSampleRate = 22050;
    static constexpr std::chrono::seconds kRetryInterval{3};
    using Clock = std::function<RetryGate::Clock::time_point()>;

    // The clock times the retries of a failed open.
    explicit AudioOutput(Clock clock = &RetryGate::Clock::now);
    virtual ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // Open: the output carries sound, as it did or newly opened. Failed: no
    // sound server or device took it. NotTried: an open failed less than
    // kRetryInterval ago, so none was tried. Safe from any thread; it may
    // wait for the server, so never from the interface's.
    enum class OpenResult { Open, Failed, NotTried };
    virtual OpenResult Open();
    // Whether the output carries sound or, by a quick look, could: quick
    // enough for the interface thread.
    virtual bool Present() const;
    // Whether it carries sound now, without opening anything.
    bool Carrying() const { return carrying_; }

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
    static void OnStreamLost(void* data);
    void MixClip(int length, int outputCount, float* outputs[]);

    std::once_flag settingsMade_;
    fluid_settings_t* settings_ = nullptr;
    std::mutex openMutex_;  // the stream and the driver, between the threads that open them
    std::unique_ptr<PulseStream> stream_;
    fluid_audio_driver_t* driver_ = nullptr;
    std::atomic<bool> carrying_{false};
    Clock clock_;
    RetryGate retry_{kRetryInterval};
    std::mutex synthMutex_;  // the synthesiser, between its owner and the stream
    fluid_synth_t* synth_ = nullptr;
    mutable std::mutex clipMutex_;  // the clip, between the user's thread and the stream's
    std::shared_ptr<const WaveClip> clip_;
    std::size_t clipPosition_ = 0;
};

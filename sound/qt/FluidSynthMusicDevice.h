// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include <fluidsynth.h>

#include <QObject>

#include "sound/MusicDevice.h"

class AudioOutput;

// The sequencer on FluidSynth with a General MIDI SoundFont, sounding on the
// program's audio output. The output is opened and the synthesiser with its
// SoundFont made on a thread of their own, so the interface never waits for
// them; a tune asked to play before they are ready starts when they are, and
// a failure on the way is reported late, on the interface thread.
class FluidSynthMusicDevice : public MusicDevice {
public:
    enum : Error {
        kFileNotFound = 1,
        kNotMidiFile = 2,
        kNoSoundFont = 3,
        kNoAudioOutput = 4,
        kCannotPlay = 5,
        kBadSoundFont = 6,
    };

    FluidSynthMusicDevice(AudioOutput& output, std::string soundFontPath = SystemSoundFont());
    ~FluidSynthMusicDevice() override;
    FluidSynthMusicDevice(const FluidSynthMusicDevice&) = delete;
    FluidSynthMusicDevice& operator=(const FluidSynthMusicDevice&) = delete;

    Error Open(const std::string& path) override;
    // Fails at once when the SoundFont is gone or there is nowhere to send
    // sound; an output that cannot be opened all the same or a SoundFont
    // that cannot be read fails late. An output whose server went away is
    // opened again in the background.
    Error QueryStatus() override;
    Error Play() override;
    void Close(CloseMode mode) override;
    std::string ErrorText(Error error) const override;

    // The system's General MIDI SoundFont; the program can play music only
    // when it exists and a sound output is there, so the two together count
    // as the one MIDI output.
    static std::string SystemSoundFont();
    static int OutputCount();

private:
    void StartSynth();
    void LoadSynth();
    void StartPlayerLocked();
    void FailFromLoader(Error error);

    AudioOutput& output_;
    std::string soundFontPath_;
    std::string path_;
    std::thread loader_;
    bool loaderPosted_ = false;  // the loader starts from the event loop
    std::atomic<bool> loaderRunning_{false};
    std::mutex playerMutex_;  // the synthesiser and player, between the user's thread and the loader
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    bool playerWaiting_ = false;  // asked to play before the synthesiser was ready
    QObject interfaceThread_;  // late failures are delivered through it, and dropped once it goes
};

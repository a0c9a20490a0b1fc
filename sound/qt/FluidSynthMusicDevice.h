#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include <fluidsynth.h>

#include "sound/MusicDevice.h"

// The sequencer on FluidSynth with a General MIDI SoundFont. The synthesiser
// and its SoundFont are made on a thread of their own the first time a file
// is opened, so the window never waits for them; a tune asked to play
// before they are ready starts as soon as they are.
class FluidSynthMusicDevice : public MusicDevice {
public:
    enum : Error {
        kFileNotFound = 1,
        kNotMidiFile = 2,
        kNoSoundFont = 3,
        kNoAudioOutput = 4,
        kCannotPlay = 5,
    };

    explicit FluidSynthMusicDevice(std::string soundFontPath = SystemSoundFont());
    ~FluidSynthMusicDevice() override;
    FluidSynthMusicDevice(const FluidSynthMusicDevice&) = delete;
    FluidSynthMusicDevice& operator=(const FluidSynthMusicDevice&) = delete;

    Error Open(const std::string& path) override;
    // Fails when the SoundFont is gone or no audio output can be opened.
    Error QueryStatus() override;
    Error Play() override;
    void Close(CloseMode mode) override;
    std::string ErrorText(Error error) const override;

    // The system's General MIDI SoundFont; the program can play music only
    // when it exists, so it counts as the one MIDI output.
    static std::string SystemSoundFont();
    static int OutputCount();

    // The synthesiser settings the program plays with, shared with the
    // offline rendering of the shipped tunes: a modest rate, no reverb or
    // chorus, and samples loaded only for the instruments in use.
    static fluid_settings_t* NewSettings();

private:
    void StartSynth();
    void LoadSynth();
    void StartPlayerLocked();
    static int Render(void* data, int length, int effectCount, float* effects[], int outputCount, float* outputs[]);

    std::string soundFontPath_;
    std::string path_;
    fluid_settings_t* settings_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    std::thread loader_;
    // Set once by the loader; the audio thread renders silence until then.
    std::atomic<fluid_synth_t*> synth_{nullptr};
    std::mutex playerMutex_;  // the player, between the user's thread and the loader
    fluid_player_t* player_ = nullptr;
    bool playerWaiting_ = false;  // asked to play before the synthesiser was ready
};

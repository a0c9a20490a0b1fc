// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/FluidSynthMusicDevice.h"

#include <sys/stat.h>

#include <array>
#include <fstream>

#include "sound/SoundWorkLog.h"
#include "sound/qt/AudioOutput.h"
#include "sound/qt/BackgroundPriority.h"
#include "sound/qt/FluidSynthLibrary.h"
#include "sound/qt/SoundOutputProbe.h"

namespace {
// General MIDI SoundFonts from the system's packages, in order of choice:
// the small one keeps the game light (about 12 MiB for the synthesizer
// and its instruments against some 35 MiB for the large default), and the
// default of whatever the system has installed serves otherwise.
constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A standard MIDI file begins with its header chunk, as FluidSynth's player
// requires. Read here rather than by the library, which the interface thread
// does not load.
bool IsMidiFile(const std::string& path) {
    std::array<char, 4> id{};
    std::ifstream file(path, std::ios::binary);
    return file.read(id.data(), id.size()) && std::string_view(id.data(), id.size()) == "MThd";
}
}  // namespace

FluidSynthMusicDevice::FluidSynthMusicDevice(AudioOutput& output, std::string soundFontPath)
    : output_(output), soundFontPath_(std::move(soundFontPath)) {}

FluidSynthMusicDevice::~FluidSynthMusicDevice() {
    Close(CloseMode::Wait);
    if (loader_.joinable()) loader_.join();
    output_.SetSynth(nullptr);
    if (synth_ != nullptr) FluidSynth()->delete_fluid_synth(synth_);
}

std::string FluidSynthMusicDevice::SystemSoundFont() {
    for (const char* path : kSoundFonts)
        if (FileExists(path)) return path;
    return kSoundFonts[0];
}

int FluidSynthMusicDevice::OutputCount() {
    // Without anywhere to send sound there is no music either: such a
    // machine starts silent, with no music check.
    return FileExists(SystemSoundFont()) && SoundOutputPresent() ? 1 : 0;
}

FluidSynthMusicDevice::Error FluidSynthMusicDevice::Open(const std::string& path) {
    if (!FileExists(path)) return kFileNotFound;
    if (!IsMidiFile(path)) return kNotMidiFile;
    path_ = path;
    return kNoError;
}

FluidSynthMusicDevice::Error FluidSynthMusicDevice::QueryStatus() {
    if (!FileExists(soundFontPath_)) return kNoSoundFont;
    // With nowhere to send sound (the start-up's look knows it at once)
    // the music fails here rather than after its play was taken as begun.
    if (!output_.Present()) return kNoAudioOutput;
    StartSynth();
    return kNoError;
}

void FluidSynthMusicDevice::StartSynth() {
    if (loaderRunning_ || loaderPosted_) return;
    {
        // A synthesiser with an output that carries it needs nothing; one
        // whose server went away needs the output opened again.
        std::lock_guard lock(playerMutex_);
        if (synth_ != nullptr && output_.Carrying()) return;
    }
    // From the event loop, once the work that asked for music is done: at
    // start-up the loader would otherwise take a core from the first window.
    loaderPosted_ = true;
    QMetaObject::invokeMethod(
        &interfaceThread_,
        [this] {
            loaderPosted_ = false;
            if (loader_.joinable()) loader_.join();  // one that has finished
            loaderRunning_ = true;
            loader_ = std::thread([this] {
                LoadSynth();
                loaderRunning_ = false;
            });
        },
        Qt::QueuedConnection);
}

void FluidSynthMusicDevice::LoadSynth() {
    // Only an output that works is worth the SoundFont's memory.
    switch (output_.Open()) {
    case AudioOutput::OpenResult::Failed: return FailFromLoader(kNoAudioOutput);
    // An open failed a moment ago: this tune is silent, and the next one tries again.
    case AudioOutput::OpenResult::NotTried: return;
    case AudioOutput::OpenResult::Open: break;
    }
    {
        std::lock_guard lock(playerMutex_);
        if (synth_ != nullptr) return;  // only the output had to come back
    }
    // The output's thread is running at the normal priority; the load of the
    // library and the SoundFont, some tens of milliseconds of a core just
    // after the window appears, gives way.
    LowerThisThreadsPriority();
    const FluidSynthLibrary* fluid = FluidSynth();
    fluid_settings_t* settings = output_.Settings();
    if (fluid == nullptr || settings == nullptr) return FailFromLoader(kCannotPlay);
    SoundWorkLog::Note("load synthesiser");
    fluid_synth_t* synth = fluid->new_fluid_synth(settings);
    if (synth == nullptr) return FailFromLoader(kCannotPlay);
    if (fluid->fluid_synth_sfload(synth, soundFontPath_.c_str(), 1) == FLUID_FAILED) {
        fluid->delete_fluid_synth(synth);
        return FailFromLoader(kBadSoundFont);
    }
    std::lock_guard lock(playerMutex_);
    synth_ = synth;
    output_.SetSynth(synth);
    if (!playerWaiting_) return;
    StartPlayerLocked();
    if (player_ == nullptr) FailFromLoader(kCannotPlay);
}

void FluidSynthMusicDevice::FailFromLoader(Error error) {
    QMetaObject::invokeMethod(
        &interfaceThread_,
        [this, error] { ReportLateFailure(error); },
        Qt::QueuedConnection);
}

FluidSynthMusicDevice::Error FluidSynthMusicDevice::Play() {
    std::lock_guard lock(playerMutex_);
    playerWaiting_ = true;
    if (synth_ == nullptr) return kNoError;  // the loader starts it
    StartPlayerLocked();
    return player_ != nullptr ? kNoError : kCannotPlay;
}

void FluidSynthMusicDevice::StartPlayerLocked() {
    playerWaiting_ = false;
    const FluidSynthLibrary* fluid = FluidSynth();  // loaded with the synthesiser
    player_ = fluid->new_fluid_player(synth_);
    if (player_ == nullptr) return;
    // Played once: the player's loop count stays at its default of one pass.
    if (fluid->fluid_player_add(player_, path_.c_str()) != FLUID_OK || fluid->fluid_player_play(player_) != FLUID_OK) {
        fluid->delete_fluid_player(player_);
        player_ = nullptr;
    }
}

void FluidSynthMusicDevice::Close(CloseMode) {
    // Both closes wait here: stopping the player is quick.
    std::lock_guard lock(playerMutex_);
    playerWaiting_ = false;
    if (player_ == nullptr) return;
    const FluidSynthLibrary* fluid = FluidSynth();  // loaded with the player
    fluid->fluid_player_stop(player_);
    fluid->delete_fluid_player(player_);
    player_ = nullptr;
    fluid->fluid_synth_all_sounds_off(synth_, -1);
}

std::string FluidSynthMusicDevice::ErrorText(Error error) const {
    switch (error) {
    case kFileNotFound: return "指定されたファイルが見つかりません。";
    case kNotMidiFile: return "指定されたファイルは MIDI ファイルではありません。";
    case kNoSoundFont: return "MIDI 音源 (SoundFont) が見つからないため、音楽を再生できません。";
    case kNoAudioOutput: return "音声出力装置を使用できないため、音楽を再生できません。";
    case kCannotPlay: return "MIDI ファイルを再生できません。";
    case kBadSoundFont: return "MIDI 音源 (SoundFont) を読み込めないため、音楽を再生できません。";
    default: return "不明なエラーが発生しました。";
    }
}

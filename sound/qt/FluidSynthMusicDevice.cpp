#include "sound/qt/FluidSynthMusicDevice.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>

namespace {
constexpr const char* kSoundFontPath = "/usr/share/sounds/sf2/default-GM.sf2";
constexpr const char* kAudioDrivers[] = {"pulseaudio", "alsa"};

bool FileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// FluidSynth reports to the console by default; the program tells the user
// what matters through its own error texts instead.
void SilenceLibraryLog() {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(level, nullptr, nullptr);
}
}  // namespace

FluidSynthMusicDevice::FluidSynthMusicDevice(std::string soundFontPath) : soundFontPath_(std::move(soundFontPath)) {}

FluidSynthMusicDevice::~FluidSynthMusicDevice() {
    Close(CloseMode::Wait);
    if (driver_ != nullptr) delete_fluid_audio_driver(driver_);
    if (loader_.joinable()) loader_.join();
    if (fluid_synth_t* synth = synth_.load()) delete_fluid_synth(synth);
    if (settings_ != nullptr) delete_fluid_settings(settings_);
}

std::string FluidSynthMusicDevice::SystemSoundFont() { return kSoundFontPath; }

int FluidSynthMusicDevice::OutputCount() { return FileExists(SystemSoundFont()) ? 1 : 0; }

fluid_settings_t* FluidSynthMusicDevice::NewSettings() {
    SilenceLibraryLog();
    fluid_settings_t* settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", 22050.0);
    fluid_settings_setint(settings, "synth.reverb.active", 0);
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_settings_setint(settings, "synth.polyphony", 64);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // Long periods: few wake-ups, and music does not need a quick answer.
    fluid_settings_setint(settings, "audio.period-size", 1024);
    fluid_settings_setint(settings, "audio.periods", 2);
    return settings;
}

FluidSynthMusicDevice::Error FluidSynthMusicDevice::Open(const std::string& path) {
    if (!FileExists(path)) return kFileNotFound;
    if (!fluid_is_midifile(path.c_str())) return kNotMidiFile;
    path_ = path;
    StartSynth();
    return kNoError;
}

void FluidSynthMusicDevice::StartSynth() {
    if (settings_ != nullptr) return;
    settings_ = NewSettings();
    loader_ = std::thread([this] { LoadSynth(); });
}

void FluidSynthMusicDevice::LoadSynth() {
    fluid_synth_t* synth = new_fluid_synth(settings_);
    if (synth == nullptr) return;
    // A SoundFont that fails to load leaves a synthesiser that plays nothing.
    fluid_synth_sfload(synth, soundFontPath_.c_str(), 1);
    std::lock_guard lock(playerMutex_);
    synth_.store(synth);
    if (playerWaiting_) StartPlayerLocked();
}

FluidSynthMusicDevice::Error FluidSynthMusicDevice::QueryStatus() {
    if (!FileExists(soundFontPath_)) return kNoSoundFont;
    // The output stays open once it works; between tunes it plays silence.
    for (const char* name : kAudioDrivers) {
        if (driver_ != nullptr) break;
        fluid_settings_setstr(settings_, "audio.driver", name);
        driver_ = new_fluid_audio_driver2(settings_, &FluidSynthMusicDevice::Render, this);
    }
    return driver_ != nullptr ? kNoError : kNoAudioOutput;
}

int FluidSynthMusicDevice::Render(void* data, int length, int effectCount, float* effects[], int outputCount,
                                  float* outputs[]) {
    auto* self = static_cast<FluidSynthMusicDevice*>(data);
    for (int i = 0; i < outputCount; ++i) std::fill_n(outputs[i], length, 0.0f);
    for (int i = 0; i < effectCount; ++i) std::fill_n(effects[i], length, 0.0f);
    fluid_synth_t* synth = self->synth_.load();
    if (synth == nullptr) return FLUID_OK;  // silence until the SoundFont is in
    return fluid_synth_process(synth, length, effectCount, effects, outputCount, outputs);
}

FluidSynthMusicDevice::Error FluidSynthMusicDevice::Play() {
    std::lock_guard lock(playerMutex_);
    playerWaiting_ = true;
    if (synth_.load() == nullptr) return kNoError;  // the loader starts it
    StartPlayerLocked();
    return player_ != nullptr ? kNoError : kCannotPlay;
}

void FluidSynthMusicDevice::StartPlayerLocked() {
    playerWaiting_ = false;
    fluid_synth_t* synth = synth_.load();
    player_ = new_fluid_player(synth);
    if (player_ == nullptr) return;
    // Played once: the player's loop count stays at its default of one pass.
    if (fluid_player_add(player_, path_.c_str()) != FLUID_OK || fluid_player_play(player_) != FLUID_OK) {
        delete_fluid_player(player_);
        player_ = nullptr;
    }
}

void FluidSynthMusicDevice::Close(CloseMode) {
    // Both closes wait here: stopping the player is quick.
    std::lock_guard lock(playerMutex_);
    playerWaiting_ = false;
    if (player_ == nullptr) return;
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    fluid_synth_all_sounds_off(synth_.load(), -1);
}

std::string FluidSynthMusicDevice::ErrorText(Error error) const {
    switch (error) {
    case kFileNotFound: return "指定されたファイルが見つかりません。";
    case kNotMidiFile: return "指定されたファイルは MIDI ファイルではありません。";
    case kNoSoundFont: return "MIDI 音源 (SoundFont) が見つからないため、音楽を再生できません。";
    case kNoAudioOutput: return "音声出力装置を使用できないため、音楽を再生できません。";
    case kCannotPlay: return "MIDI ファイルを再生できません。";
    default: return "不明なエラーが発生しました。";
    }
}

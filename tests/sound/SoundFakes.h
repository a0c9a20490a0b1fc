// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "base/MemorySettingsStore.h"
#include "engine/GameSession.h"
#include "sound/EffectPaths.h"
#include "sound/EffectPlayer.h"
#include "sound/MusicDevice.h"
#include "sound/MusicUi.h"
#include "sound/SoundControl.h"
#include "stages/CBlockDoc.h"
#include "tests/engine/FakePlatform.h"

// Every sound fake writes into one shared log, so tests see the order
// across the device, the dialogs and the message boxes.
using SoundLog = std::vector<std::string>;

class RecordingEffectPlayer : public EffectPlayer {
public:
    explicit RecordingEffectPlayer(SoundLog& log) : log_(log) {}
    void Play(const std::string& path) override { log_.push_back("effect '" + path + "'"); }

private:
    SoundLog& log_;
};

class RecordingMusicDevice : public MusicDevice {
public:
    explicit RecordingMusicDevice(SoundLog& log) : log_(log) {}

    Error openError = kNoError;
    Error statusError = kNoError;
    Error playError = kNoError;

    Error Open(const std::string& path) override {
        log_.push_back("open " + path);
        return openError;
    }
    Error QueryStatus() override {
        log_.push_back("status");
        return statusError;
    }
    Error Play() override {
        log_.push_back("play");
        return playError;
    }
    void Close(CloseMode mode) override { log_.push_back(mode == CloseMode::Wait ? "close wait" : "close"); }
    std::string ErrorText(Error error) const override { return "device error " + std::to_string(error); }
    void FailLate(Error error) { ReportLateFailure(error); }

private:
    SoundLog& log_;
};

class RecordingMusicUi : public MusicUi {
public:
    explicit RecordingMusicUi(SoundLog& log) : log_(log) {}

    std::set<std::string> missingFiles;
    std::deque<int> answers;  // of the music-not-found dialog, in turn

    bool FileIsMissing(const std::string& path) override { return missingFiles.count(path) != 0; }
    int AskMusicNotFound(const std::string& path, std::string_view sceneName) override {
        log_.push_back("ask " + std::string(sceneName) + " " + path);
        const int answer = answers.empty() ? MusicNotFoundChoice::Cancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    void ShowMusicFilesDialog() override { log_.push_back("music files dialog"); }

private:
    SoundLog& log_;
};

// The window's part as the session sees it: message boxes go into the same
// log as the devices.
class SoundPlatform : public FakePlatform {
public:
    SoundPlatform(SoundLog& soundLog) : soundLog_(soundLog) {}

    void ShowMessage(std::string_view text, MessageIcon icon) override {
        soundLog_.push_back("message " + std::string(text));
        FakePlatform::ShowMessage(text, icon);
    }

private:
    SoundLog& soundLog_;
};

// A session with its sound control over recording devices and dialogs,
// in-memory settings and the two path tables.
struct SoundWorld {
    SoundWorld() : platform(log), session(doc, platform, platform), sound(session, settings) {
        session.AttachPanes(platform);
        session.AttachSound(sound);
    }

    // Reads the effect paths and hands the sound control its devices.
    void Attach(const std::string& programDir) {
        effects.Load(settings, programDir);
        sound.Attach({&effects, &music, programDir, &effectPlayer, &device, &ui});
    }

    SoundLog log;
    CBlockDoc doc;
    SoundPlatform platform;
    GameSession session;
    MemorySettingsStore settings;
    SoundControl sound;
    EffectPaths effects;
    MusicPathTable music;
    RecordingEffectPlayer effectPlayer{log};
    RecordingMusicDevice device{log};
    RecordingMusicUi ui{log};
};

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "sound/EffectPlayer.h"
#include "sound/WaveClip.h"

class AudioOutput;

// Effects mixed into the program's sound output. A request cuts off the
// effect still sounding at once; the file is read and decoded, and the
// output opened, on a thread of the player's own, so the interface never
// waits for a file or the sound server. Each file is decoded once, keyed by
// the file itself (two spellings of one path share one clip), and kept
// ready, so that an event's first play is as quick as the rest.
class OutputEffectPlayer : public EffectPlayer {
public:
    explicit OutputEffectPlayer(AudioOutput& output);
    ~OutputEffectPlayer() override;
    OutputEffectPlayer(const OutputEffectPlayer&) = delete;
    OutputEffectPlayer& operator=(const OutputEffectPlayer&) = delete;

    // Decodes the files in the background, ahead of their first play.
    void Preload(const std::vector<std::string>& paths);
    void Play(const std::string& path) override;
    // Returns once every request made so far has been dealt with.
    void WaitUntilIdle();

private:
    using Clock = std::chrono::steady_clock;
    struct Request {
        std::string path;
        Clock::time_point asked;
    };
    // Device and inode, with size and change time so a rewritten file is read again.
    using FileKey = std::tuple<std::uint64_t, std::uint64_t, std::int64_t, std::int64_t>;

    void StartWorker();
    void Work();
    std::shared_ptr<const WaveClip> ClipFor(const std::string& path, bool* decodedNow = nullptr);

    AudioOutput& output_;
    std::mutex mutex_;  // everything up to the worker, between the user's thread and the worker
    std::condition_variable changed_;
    std::deque<std::string> preloads_;
    std::optional<Request> request_;  // the latest play request, not yet taken
    std::uint64_t requests_ = 0;      // counts play requests; a clip plays only for the latest
    bool working_ = false;
    bool stopping_ = false;
    std::thread worker_;

    // The worker's own.
    std::map<FileKey, std::shared_ptr<const WaveClip>> clips_;
};

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/OutputEffectPlayer.h"

#include <sys/stat.h>

#include <algorithm>

#include "base/posix/SafeFiles.h"
#include "sound/SoundWorkLog.h"
#include "sound/qt/AudioOutput.h"

namespace {
// Far more than any sound effect needs; a path to a device that never ends
// stops being read there.
constexpr std::size_t kMaxEffectFileBytes = 32 * 1024 * 1024;
// A clip kept for every file ever played would grow without end when the
// player tries file after file in the Sound-events dialog.
constexpr std::size_t kMaxKeptClips = 32;
// A file that took longer than this to read and decode belongs to an event
// long gone by the time it is ready: it stays silent this time.
constexpr auto kLatestStart = std::chrono::milliseconds(250);
}  // namespace

OutputEffectPlayer::OutputEffectPlayer(AudioOutput& output) : output_(output) {}

OutputEffectPlayer::~OutputEffectPlayer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) worker_.join();
}

void OutputEffectPlayer::StartWorker() {
    if (!worker_.joinable()) worker_ = std::thread([this] { Work(); });
}

void OutputEffectPlayer::Preload(const std::vector<std::string>& paths) {
    std::lock_guard lock(mutex_);
    for (const std::string& path : paths)
        if (!path.empty()) preloads_.push_back(path);
    StartWorker();
    changed_.notify_all();
}

void OutputEffectPlayer::Play(const std::string& path) {
    std::lock_guard lock(mutex_);
    // Under the lock, so that no clip of an earlier request starts after this.
    output_.StopClip();
    ++requests_;
    request_.reset();
    if (path.empty()) return;
    request_ = Request{path, Clock::now()};
    StartWorker();
    changed_.notify_all();
}

void OutputEffectPlayer::WaitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !working_ && !request_ && preloads_.empty(); });
}

void OutputEffectPlayer::Work() {
    std::unique_lock lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return stopping_ || request_ || !preloads_.empty(); });
        if (stopping_) return;
        working_ = true;
        // A play request goes before the files still waiting to be preloaded.
        if (request_) {
            const Request request = std::move(*request_);
            const std::uint64_t number = requests_;
            request_.reset();
            lock.unlock();
            bool decodedNow = false;
            std::shared_ptr<const WaveClip> clip = ClipFor(request.path, &decodedNow);
            // The output opens again once its server is back; until then a
            // failed open is retried only every few seconds, by the output.
            const bool canSound = clip != nullptr && output_.Open() == AudioOutput::OpenResult::Open;
            lock.lock();
            const bool late = decodedNow && Clock::now() - request.asked > kLatestStart;
            const bool stillWanted = number == requests_ && !late;
            if (canSound && stillWanted) output_.PlayClip(std::move(clip));
        } else {
            const std::string path = std::move(preloads_.front());
            preloads_.pop_front();
            lock.unlock();
            ClipFor(path);
            lock.lock();
        }
        working_ = false;
        changed_.notify_all();
    }
}

std::shared_ptr<const WaveClip> OutputEffectPlayer::ClipFor(const std::string& path, bool* decodedNow) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return nullptr;  // perhaps there later: not remembered
    const FileKey key{info.st_dev, info.st_ino, info.st_size,
                      std::int64_t{info.st_ctim.tv_sec} * 1'000'000'000 + info.st_ctim.tv_nsec};
    if (auto found = clips_.find(key); found != clips_.end()) return found->second;
    SoundWorkLog::Note("decode " + path);
    if (decodedNow != nullptr) *decodedNow = true;
    // Only a regular file is read: a FIFO named here would block the player.
    // The reader fills a buffer of the limit it is given: the file's own size
    // keeps that small (a file that grows meanwhile is read as it was).
    const std::size_t limit = std::min<std::size_t>(info.st_size, kMaxEffectFileBytes);
    const SafeFiles::ReadOutcome read = SafeFiles::ReadRegularFile(path, limit);
    if (read.file.status != FileReadResult::Status::Read) return nullptr;
    const std::string& bytes = read.file.bytes;
    std::optional<WaveClip> clip = DecodeWaveClip({bytes.data(), bytes.size()}, AudioOutput::kSampleRate);
    // A file that is not a playable WAV stays silent, and is not read again.
    auto kept = clip && !clip->empty() ? std::make_shared<const WaveClip>(std::move(*clip)) : nullptr;
    if (clips_.size() >= kMaxKeptClips) clips_.clear();
    clips_.emplace(key, kept);
    return kept;
}

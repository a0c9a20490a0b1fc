#include "sound/qt/OutputEffectPlayer.h"

#include "sound/qt/AudioOutput.h"
#include "stages/posix/SafeFiles.h"

namespace {
// Far more than any sound effect needs; a path to a device that never ends
// stops being read there.
constexpr std::size_t kMaxEffectFileBytes = 32 * 1024 * 1024;
}  // namespace

void OutputEffectPlayer::Preload(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (!path.empty()) ClipFor(path);
}

std::shared_ptr<const WaveClip> OutputEffectPlayer::ClipFor(const std::string& path) {
    if (auto found = clips_.find(path); found != clips_.end()) return found->second;
    // Only a regular file is read: a FIFO named here would block the game.
    const SafeFiles::ReadOutcome read = SafeFiles::ReadRegularFile(path, kMaxEffectFileBytes);
    if (read.file.status != FileReadResult::Status::Read) return nullptr;  // perhaps there later: not remembered
    const std::string& bytes = read.file.bytes;
    std::optional<WaveClip> clip = DecodeWaveClip({bytes.data(), bytes.size()}, AudioOutput::kSampleRate);
    // A file that is not a playable WAV stays silent, and is not read again.
    auto kept = clip && !clip->empty() ? std::make_shared<const WaveClip>(std::move(*clip)) : nullptr;
    clips_.emplace(path, kept);
    return kept;
}

void OutputEffectPlayer::Play(const std::string& path) {
    output_.StopClip();
    if (path.empty()) return;
    std::shared_ptr<const WaveClip> clip = ClipFor(path);
    if (clip == nullptr || outputFailed_) return;
    if (!output_.Open()) {
        outputFailed_ = true;
        return;
    }
    output_.PlayClip(std::move(clip));
}

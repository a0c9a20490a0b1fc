#include "sound/qt/OutputEffectPlayer.h"

#include <QFile>

#include "shell/qt/QtText.h"
#include "sound/qt/AudioOutput.h"

void OutputEffectPlayer::Preload(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (!path.empty()) ClipFor(path);
}

std::shared_ptr<const WaveClip> OutputEffectPlayer::ClipFor(const std::string& path) {
    if (auto found = clips_.find(path); found != clips_.end()) return found->second;
    QFile file(ToQString(path));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;  // perhaps there later: not remembered
    const QByteArray bytes = file.readAll();
    std::optional<WaveClip> clip =
        DecodeWaveClip({bytes.constData(), static_cast<std::size_t>(bytes.size())}, AudioOutput::kSampleRate);
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

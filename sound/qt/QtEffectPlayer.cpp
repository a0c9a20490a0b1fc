#include "sound/qt/QtEffectPlayer.h"

#include <QSoundEffect>
#include <QUrl>

#include "shell/qt/QtText.h"

QtEffectPlayer::QtEffectPlayer() = default;

QtEffectPlayer::~QtEffectPlayer() = default;

void QtEffectPlayer::Preload(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (!path.empty()) EffectFor(path);
}

QSoundEffect* QtEffectPlayer::EffectFor(const std::string& path) {
    auto found = effects_.find(path);
    if (found != effects_.end()) return found->second.get();
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(ToQString(path)));
    return effects_.emplace(path, std::move(effect)).first->second.get();
}

void QtEffectPlayer::Play(const std::string& path) {
    if (sounding_ != nullptr) sounding_->stop();
    sounding_ = nullptr;
    if (path.empty()) return;
    QSoundEffect* effect = EffectFor(path);
    // A file that is missing or not a WAV sounds nothing.
    if (effect->status() == QSoundEffect::Error) return;
    effect->play();
    sounding_ = effect;
}

#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sound/EffectPlayer.h"

class QSoundEffect;

// Effects on QSoundEffect. Every file is decoded once and kept ready, so the
// first play of an event is as quick as the rest; a new request stops the
// effect still sounding, as only one effect sounds at a time.
class QtEffectPlayer : public EffectPlayer {
public:
    QtEffectPlayer();
    ~QtEffectPlayer() override;

    // Decodes the files ahead of their first play.
    void Preload(const std::vector<std::string>& paths);
    void Play(const std::string& path) override;

private:
    QSoundEffect* EffectFor(const std::string& path);

    std::map<std::string, std::unique_ptr<QSoundEffect>> effects_;
    QSoundEffect* sounding_ = nullptr;
};

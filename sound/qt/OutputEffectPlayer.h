#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sound/EffectPlayer.h"
#include "sound/WaveClip.h"

class AudioOutput;

// Effects mixed into the program's sound output. Every file is decoded
// once and kept ready, so the first play of an event is as quick as the
// rest; a new request replaces the effect still sounding.
class OutputEffectPlayer : public EffectPlayer {
public:
    explicit OutputEffectPlayer(AudioOutput& output) : output_(output) {}

    // Decodes the files ahead of their first play.
    void Preload(const std::vector<std::string>& paths);
    void Play(const std::string& path) override;

private:
    std::shared_ptr<const WaveClip> ClipFor(const std::string& path);

    AudioOutput& output_;
    bool outputFailed_ = false;  // no output to sound on: not asked for again
    std::map<std::string, std::shared_ptr<const WaveClip>> clips_;
};

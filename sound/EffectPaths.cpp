// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/EffectPaths.h"

#include <cassert>

#include "base/AppPaths.h"
#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"
#include "base/StringTable.h"

namespace {
int SlotOf(SoundEvent event) {
    assert(event != SoundEvent::None);
    return static_cast<int>(event) - 1;
}

SoundEvent EventOfSlot(int slot) { return static_cast<SoundEvent>(slot + 1); }
}  // namespace

std::string DefaultEffectPath(SoundEvent event, std::string_view programDir) {
    if (event == SoundEvent::Fail) {
        std::string_view systemDir = programDir;
        if (!systemDir.empty() && systemDir.back() == kPathSeparator) systemDir.remove_suffix(1);
        return std::string(systemDir).append(kFailSoundName);
    }
    return std::string(programDir).append(LoadString(StringId::FirstEffectFile + SlotOf(event)));
}

void EffectPaths::Load(SettingsStore& settings, std::string_view programDir) {
    for (int slot = 0; slot < kSoundEventCount; ++slot) {
        const std::string fallback = DefaultEffectPath(EventOfSlot(slot), programDir);
        paths_[slot] = settings.ReadString(Settings::kSection, Settings::kEffectKeys[slot], fallback);
    }
}

const std::string& EffectPaths::PathOf(SoundEvent event) const { return paths_[SlotOf(event)]; }

void EffectPaths::SetPath(SoundEvent event, std::string path) { paths_[SlotOf(event)] = std::move(path); }

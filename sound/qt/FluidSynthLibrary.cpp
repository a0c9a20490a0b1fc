// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/FluidSynthLibrary.h"

#include <QLibrary>

#include "sound/SoundWorkLog.h"

namespace {
// The library's major version, which its functions' signatures follow.
constexpr int kLibraryVersion = 3;

// FluidSynth reports to the console by default; the program tells the user
// what matters through its own error texts instead.
void SilenceLibraryLog(const FluidSynthLibrary& fluid) {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid.fluid_set_log_function(level, nullptr, nullptr);
}

const FluidSynthLibrary* Load() {
    SoundWorkLog::Note("load FluidSynth");
    // Stays loaded for the rest of the run: synthesisers may live until exit.
    static QLibrary library(QStringLiteral("fluidsynth"), kLibraryVersion);
    static FluidSynthLibrary fluid;
    bool complete = library.load();
#define ZEMBRO_FLUIDSYNTH_RESOLVE(name) complete = ResolveFunction(library, #name, fluid.name) && complete;
    ZEMBRO_FLUIDSYNTH_FUNCTIONS(ZEMBRO_FLUIDSYNTH_RESOLVE)
#undef ZEMBRO_FLUIDSYNTH_RESOLVE
    if (!complete) return nullptr;
    SilenceLibraryLog(fluid);
    return &fluid;
}
}  // namespace

const FluidSynthLibrary* FluidSynth() {
    static const FluidSynthLibrary* const loaded = Load();
    return loaded;
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/PulseLibrary.h"

#include <QLibrary>

#include "sound/SoundWorkLog.h"

namespace {
// The library's major version, which its functions' signatures follow.
constexpr int kLibraryVersion = 0;

const PulseLibrary* Load() {
    SoundWorkLog::Note("load the sound server's client");
    // Stays loaded for the rest of the run: the output may live until exit.
    static QLibrary library(QStringLiteral("pulse"), kLibraryVersion);
    static PulseLibrary pulse;
    bool complete = library.load();
#define ZEMBRO_PULSE_RESOLVE(name) complete = ResolveFunction(library, #name, pulse.name) && complete;
    ZEMBRO_PULSE_FUNCTIONS(ZEMBRO_PULSE_RESOLVE)
#undef ZEMBRO_PULSE_RESOLVE
    return complete ? &pulse : nullptr;
}
}  // namespace

const PulseLibrary* Pulse() {
    static const PulseLibrary* const loaded = Load();
    return loaded;
}

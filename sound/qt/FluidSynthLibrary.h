// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fluidsynth.h>

#include "sound/qt/LibraryFunctions.h"

// FluidSynth is loaded the first time the music or its output needs it, on
// the thread that needs it, rather than with the program: the library and
// the forty others it pulls in (clients of other sound systems, sample file
// codecs, SDL) held up the first window by several milliseconds, and with
// music off the program never needs them.
//
// The functions the program calls, by FluidSynth's own names.
#define ZEMBRO_FLUIDSYNTH_FUNCTIONS(X)                                                                           \
    X(fluid_set_log_function)                                                                                    \
    X(new_fluid_settings) X(delete_fluid_settings) X(fluid_settings_setint) X(fluid_settings_setnum)            \
    X(fluid_settings_setstr)                                                                                     \
    X(new_fluid_synth) X(delete_fluid_synth) X(fluid_synth_sfload) X(fluid_synth_process)                        \
    X(fluid_synth_all_sounds_off)                                                                                \
    X(new_fluid_player) X(delete_fluid_player) X(fluid_player_add) X(fluid_player_play) X(fluid_player_stop)    \
    X(new_fluid_audio_driver2) X(delete_fluid_audio_driver)

struct FluidSynthLibrary {
    ZEMBRO_FLUIDSYNTH_FUNCTIONS(ZEMBRO_FUNCTION_POINTER)
};

// The loaded library, or null when it is not installed or lacks a function.
// Loads it on the first call, from whichever thread makes it; later calls
// cost a check.
const FluidSynthLibrary* FluidSynth();

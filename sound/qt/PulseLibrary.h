// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <pulse/pulseaudio.h>

#include "sound/qt/LibraryFunctions.h"

// The sound server's client library is loaded when the output first opens,
// on the thread that opens it, rather than with the program: it and the
// sample file codecs it pulls in were mapped and relocated before the
// first window, some 1.5 ms of every start, and with sound off the program
// never needs them.
//
// The functions the program calls, by the library's own names.
#define ZEMBRO_PULSE_FUNCTIONS(X)                                                                                \
    X(pa_threaded_mainloop_new) X(pa_threaded_mainloop_free) X(pa_threaded_mainloop_start)                      \
    X(pa_threaded_mainloop_stop) X(pa_threaded_mainloop_lock) X(pa_threaded_mainloop_unlock)                    \
    X(pa_threaded_mainloop_wait) X(pa_threaded_mainloop_signal) X(pa_threaded_mainloop_get_api)                 \
    X(pa_context_new) X(pa_context_unref) X(pa_context_connect) X(pa_context_disconnect)                        \
    X(pa_context_get_state) X(pa_context_set_state_callback)                                                    \
    X(pa_stream_new) X(pa_stream_unref) X(pa_stream_connect_playback) X(pa_stream_disconnect)                   \
    X(pa_stream_get_state) X(pa_stream_set_state_callback) X(pa_stream_set_write_callback)                      \
    X(pa_stream_begin_write) X(pa_stream_write)

struct PulseLibrary {
    ZEMBRO_PULSE_FUNCTIONS(ZEMBRO_FUNCTION_POINTER)
};

// The loaded library, or null when it is not installed or lacks a function.
// Loads it on the first call, from whichever thread makes it; later calls
// cost a check.
const PulseLibrary* Pulse();

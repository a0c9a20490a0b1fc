// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the program has anywhere to send sound: a sound server that
// takes connections, or a playback device of the kernel's sound system.
// The look is quick (a socket connect and a directory listing), so the
// start-up asks it instead of opening an output; an output that is there
// but then fails to open is the output's own failure, reported as such.
bool SoundOutputPresent();
// Whether the kernel's sound system has a playback device the user may
// write; without one, its library has nothing to open.
bool PlaybackDevicePresent();

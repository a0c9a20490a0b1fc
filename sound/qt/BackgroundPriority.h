// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Lets the calling thread yield to the interface and to the desktop that
// draws the window: for one-off loading that nobody waits on from one
// moment to the next. Threads it starts afterwards inherit the priority,
// so a thread that must keep time (the sound output's) is started first.
void LowerThisThreadsPriority();

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <thread>
#include <vector>

// A record of the slow sound work done (reading and decoding an effect,
// opening the output, loading the synthesiser) and the thread it ran on,
// so that a check can see that none of it holds up the interface thread.
// Each entry costs a few words; the work itself takes milliseconds.
namespace SoundWorkLog {
struct Entry {
    std::string what;
    std::thread::id thread;
};

void Note(std::string what);
std::vector<Entry> Entries();
void Clear();
}  // namespace SoundWorkLog

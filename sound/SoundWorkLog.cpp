// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/SoundWorkLog.h"

#include <mutex>

namespace {
// The work happens a handful of times a run; this bound only guards a
// program that tries one file after another for hours.
constexpr std::size_t kMostEntries = 256;

std::mutex& LogMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<SoundWorkLog::Entry>& Log() {
    static std::vector<SoundWorkLog::Entry> log;
    return log;
}
}  // namespace

void SoundWorkLog::Note(std::string what) {
    std::lock_guard lock(LogMutex());
    if (Log().size() >= kMostEntries) Log().erase(Log().begin());
    Log().push_back({std::move(what), std::this_thread::get_id()});
}

std::vector<SoundWorkLog::Entry> SoundWorkLog::Entries() {
    std::lock_guard lock(LogMutex());
    return Log();
}

void SoundWorkLog::Clear() {
    std::lock_guard lock(LogMutex());
    Log().clear();
}

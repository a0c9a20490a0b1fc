// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <thread>

// Reads the system's font configuration on a thread of its own while the
// main window is being built. The first text the window measures would
// otherwise wait for all of it, and for the search of a font with Japanese
// characters, some 5 ms of a start that shows the window within 50 ms.
// Qt's font database is shared between threads and safe to fill from any.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();  // waits for the reading to end
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread thread_;
};

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <optional>

// Lets an attempt through at most once per interval, so that something that
// keeps failing (a sound server that has gone) costs next to nothing while
// it is asked for again and again. The time comes from the caller, whose
// clock a test can move by hand.
class RetryGate {
public:
    using Clock = std::chrono::steady_clock;

    explicit RetryGate(Clock::duration interval) : interval_(interval) {}

    // True when an attempt may be made at `now`; it then counts as made.
    bool MayTry(Clock::time_point now);

private:
    Clock::duration interval_;
    std::optional<Clock::time_point> lastTry_;
};

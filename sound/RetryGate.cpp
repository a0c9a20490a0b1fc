// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/RetryGate.h"

bool RetryGate::MayTry(Clock::time_point now) {
    if (lastTry_ && now - *lastTry_ < interval_) return false;
    lastTry_ = now;
    return true;
}

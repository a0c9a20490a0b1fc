// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/BackgroundPriority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace {
// Nice enough to give way to any thread at the normal priority, not so
// nice that a busy machine starves the load: at 10 a thread still gets
// about a tenth of a core another thread wants.
constexpr int kBackgroundNice = 10;
}  // namespace

void LowerThisThreadsPriority() {
    // On Linux the nice value is each thread's own; failing to set it only
    // leaves the thread as it was.
    static_cast<void>(::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kBackgroundNice));
}

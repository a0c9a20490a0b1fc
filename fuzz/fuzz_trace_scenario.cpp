// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any text through the trace scenario reader: a scenario or a fault with
// its line, never a crash. A scenario that reads is played for a few ticks.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "tools/blctool/TraceRun.h"
#include "tools/blctool/TraceScenario.h"

namespace {
// Enough ticks to reach the step's arithmetic without slowing the search.
constexpr std::size_t kMostTicks = 64;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ScenarioParse parse = ParseTraceScenario(text);
    if (!parse.scenario) {
        if (parse.error.line < 1) std::abort();  // every fault names its line
        return 0;
    }
    if (parse.scenario->targets.size() > kMostTicks) parse.scenario->targets.resize(kMostTicks);
    std::ostringstream trace;
    WriteTrace(*parse.scenario, trace);
    return 0;
}

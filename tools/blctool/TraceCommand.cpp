// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// blctool trace SCENARIO: replays a scripted run of the ball and prints
// the session after every tick, so the ball step can be checked against
// hand-worked cases and kept from changing unnoticed.
#include <iostream>
#include <string>

#include "tools/blctool/BlcFiles.h"
#include "tools/blctool/Command.h"
#include "tools/blctool/TraceRun.h"
#include "tools/blctool/TraceScenario.h"

namespace {
constexpr int kBadInput = 2;

int Trace(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "usage: blctool trace SCENARIO\n";
        return kBadInput;
    }
    const std::string& path = args[0];
    const auto read = ReadTextBytes(path);
    if (const auto* failure = std::get_if<FileError>(&read)) {
        std::cerr << path << ": cannot read the scenario: " << failure->reason << '\n';
        return kBadInput;
    }
    const std::string& text = std::get<std::string>(read);

    const ScenarioParse parse = ParseTraceScenario(text);
    if (!parse.scenario) {
        std::cerr << path << ':' << parse.error.line << ": " << parse.error.message << '\n';
        return kBadInput;
    }
    WriteTrace(*parse.scenario, std::cout);
    return std::cout.flush() ? 0 : 1;
}

const CommandRegistration kTrace{{"trace", "SCENARIO", &Trace}};
}  // namespace

// blctool trace SCENARIO: replays a scripted run of the ball and prints
// the session after every tick, so the ball step can be checked against
// hand-worked cases and kept from changing unnoticed.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

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
    std::ifstream file(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.is_open() || file.bad()) {
        std::cerr << path << ": cannot read the scenario\n";
        return kBadInput;
    }

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

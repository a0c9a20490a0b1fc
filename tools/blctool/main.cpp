// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// blctool: stage-set and engine checks from the command line.
#include <algorithm>
#include <iostream>

#include "tools/blctool/Command.h"

namespace {
std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

int Usage() {
    std::cerr << "usage: blctool COMMAND ARGS...\n";
    for (const Command& command : Commands()) std::cerr << "  blctool " << command.name << ' ' << command.usage << '\n';
    return 2;
}
}  // namespace

const std::vector<Command>& Commands() { return Registry(); }

CommandRegistration::CommandRegistration(Command command) {
    Registry().push_back(command);
    std::sort(Registry().begin(), Registry().end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
}

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string_view name = argv[1];
    const auto found = std::find_if(Commands().begin(), Commands().end(),
                                    [name](const Command& command) { return command.name == name; });
    if (found == Commands().end()) return Usage();
    return found->run(std::vector<std::string>(argv + 2, argv + argc));
}

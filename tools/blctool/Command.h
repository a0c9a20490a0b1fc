// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

// A blctool subcommand. Each command's file registers itself with a
// static CommandRegistration, so main only dispatches.
struct Command {
    std::string_view name;
    std::string_view usage;  // the arguments, for the help text
    int (*run)(const std::vector<std::string>& args);
};

const std::vector<Command>& Commands();

struct CommandRegistration {
    explicit CommandRegistration(Command command);
};

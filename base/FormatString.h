// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

// A numbered text with its "%1" filled in, wherever it occurs.
std::string FormatString1(std::string_view pattern, std::string_view argument);

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/FormatString.h"

namespace {
constexpr std::string_view kPlaceholder = "%1";
}

std::string FormatString1(std::string_view pattern, std::string_view argument) {
    std::string text;
    std::size_t from = 0;
    for (auto at = pattern.find(kPlaceholder); at != std::string_view::npos;
         at = pattern.find(kPlaceholder, from)) {
        text.append(pattern, from, at - from).append(argument);
        from = at + kPlaceholder.size();
    }
    text.append(pattern, from);
    return text;
}

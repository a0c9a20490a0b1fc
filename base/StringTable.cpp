// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/StringTable.h"

#include <algorithm>
#include <iterator>

namespace {
struct StringEntry {
    int id;
    std::string_view text;
};

constexpr StringEntry kStrings[] = {
#include "resources/strings.inc"
};
}  // namespace

std::string_view LoadString(int id) {
    const auto found = std::find_if(std::begin(kStrings), std::end(kStrings),
                                    [id](const StringEntry& entry) { return entry.id == id; });
    return found == std::end(kStrings) ? std::string_view{} : found->text;
}

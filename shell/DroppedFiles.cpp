// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/DroppedFiles.h"

#include <algorithm>
#include <cctype>

namespace {
constexpr std::string_view kStageSetEnding = ".BLC";

bool EndsWithStageSetEnding(std::string_view path) {
    if (path.size() < kStageSetEnding.size()) return false;
    const std::string_view ending = path.substr(path.size() - kStageSetEnding.size());
    return std::equal(ending.begin(), ending.end(), kStageSetEnding.begin(), [](char a, char b) {
        return std::toupper(static_cast<unsigned char>(a)) == b;
    });
}
}  // namespace

DropChoice ChooseDroppedFile(std::span<const DroppedFile> files) {
    if (files.size() != 1) return {DropAction::RefuseSeveral, {}};
    const DroppedFile& file = files.front();
    if (file.isDirectory || !EndsWithStageSetEnding(file.path)) return {};
    return {DropAction::Open, file.path};
}

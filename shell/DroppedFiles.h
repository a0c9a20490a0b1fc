// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string>
#include <string_view>

// A file dropped on the window from the desktop.
struct DroppedFile {
    std::string path;
    bool isDirectory = false;
};

enum class DropAction { Ignore, RefuseSeveral, Open };

struct DropChoice {
    DropAction action = DropAction::Ignore;
    std::string path;  // the stage set to open, with Open
};

inline constexpr std::string_view kSeveralFilesDropped = "複数のファイルを一度にドロップできません";

// One stage set at a time: exactly one file whose name ends in ".BLC", in
// any letter case, is opened, whole path and all; several files are
// refused with a message; anything else is ignored.
DropChoice ChooseDroppedFile(std::span<const DroppedFile> files);

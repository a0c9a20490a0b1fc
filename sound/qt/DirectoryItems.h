// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sound/SoundFileListing.h"

// The names in a directory, with whether each is itself a directory;
// nothing when the directory cannot be read.
std::optional<std::vector<DirectoryItem>> ReadDirectoryItems(const std::string& directory);

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <variant>

#include "base/posix/SafeFiles.h"

class CBlockDoc;

// File access shared by the stage-set commands.

struct FileError {
    std::string reason;
};

// The most a stage text or a trace scenario may hold: far more than any
// needs, and little enough to read whole.
inline constexpr std::size_t kMostTextBytes = 4u << 20;

// A stage set's bytes, read no further than one byte past the pattern
// file's size: enough to tell a longer file, whose tail the game ignores.
// Only regular files are read. Nothing but the reason when it cannot be.
std::variant<std::string, FileError> ReadStageSetBytes(const std::string& path);

// A whole text file, refused when it holds more than kMostTextBytes.
std::variant<std::string, FileError> ReadTextBytes(const std::string& path);

// Replaces the file the way the game saves a set, so a failed write never
// leaves half a stage set where a good one was; a link at the path is dealt
// with as `links` says. Nothing on success.
std::optional<FileError> WriteFileBytes(const std::string& path, const std::string& bytes,
                                        SafeFiles::LinkAtTarget links = SafeFiles::LinkAtTarget::FollowTrusted);

// Why the game would refuse a file's header, or nothing when it accepts it.
std::optional<std::string> HeaderProblem(const std::string& bytes);

// Loads a stage set as the game does: header check, then every area the
// file holds. On failure returns the reason and leaves the document alone.
std::optional<std::string> LoadStageSet(const std::string& path, CBlockDoc& doc);

#pragma once

#include <optional>
#include <string>
#include <variant>

class CBlockDoc;

// File access shared by the stage-set commands.

struct FileError {
    std::string reason;
};

// The whole file, or why it could not be read.
std::variant<std::string, FileError> ReadFileBytes(const std::string& path);

// Writes beside the target and renames over it, so a failed write never
// leaves half a stage set where a good one was. Nothing on success.
std::optional<FileError> WriteFileBytes(const std::string& path, const std::string& bytes);

// Why the game would refuse a file's header, or nothing when it accepts it.
std::optional<std::string> HeaderProblem(const std::string& bytes);

// Loads a stage set as the game does: header check, then every area the
// file holds. On failure returns the reason and leaves the document alone.
std::optional<std::string> LoadStageSet(const std::string& path, CBlockDoc& doc);

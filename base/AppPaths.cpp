// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/AppPaths.h"

namespace {
// Index of the last separator, searched from the end down to firstExamined.
std::optional<std::size_t> LastSeparator(std::string_view path, std::size_t firstExamined) {
    for (std::size_t i = path.size(); i > firstExamined; --i) {
        if (path[i - 1] == kPathSeparator) return i - 1;
    }
    return std::nullopt;
}

constexpr char kQuote = '"';
}  // namespace

std::string ProgramDirOf(std::string_view executablePath) {
    const auto separator = LastSeparator(executablePath, 0);
    if (!separator) return std::string(executablePath);
    return std::string(executablePath.substr(0, *separator + 1));
}

std::string DirectoryOf(std::string_view path) {
    const auto separator = LastSeparator(path, 1);
    if (!separator) return std::string(path);
    return std::string(path.substr(0, *separator + 1));
}

std::optional<std::string> FileNameOf(std::string_view path) {
    const auto separator = LastSeparator(path, 1);
    if (!separator) return std::nullopt;
    return std::string(path.substr(*separator + 1));
}

std::string CommandLinePath(const std::vector<std::string>& arguments) {
    std::string path;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (i > 1) path += ' ';
        path += arguments[i];
    }
    return path;
}

std::string UnquotedPath(std::string_view path) {
    if (!path.empty() && path.front() == kQuote) path.remove_prefix(1);
    const auto lastQuote = path.rfind(kQuote);
    if (lastQuote != std::string_view::npos) path = path.substr(0, lastQuote);
    return std::string(path);
}

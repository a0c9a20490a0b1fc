// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Paths as the program handles them. The one separator here is "/"; it takes
// the place of both "\" and ":" of the program's original platform.
inline constexpr char kPathSeparator = '/';

// The directory of the program's own file, ending with the separator, to which
// default file names are appended directly. A path without any separator
// stays whole.
std::string ProgramDirOf(std::string_view executablePath);

// The path cut just after its last separator. The first character is never
// taken as the separator, so "/name" stays whole, as does a path without one.
std::string DirectoryOf(std::string_view path);

// The text after the path's last separator (the first character again not
// examined); nothing when there is no separator, so that the caller's
// destination keeps what it held.
std::optional<std::string> FileNameOf(std::string_view path);

// The stage-set path of a command line: every argument after the program's
// name, joined by single spaces, because the whole text is one path.
std::string CommandLinePath(const std::vector<std::string>& arguments);

// A path as the command line may quote it: a leading double quote is dropped
// and the text is cut at its last double quote.
std::string UnquotedPath(std::string_view path);

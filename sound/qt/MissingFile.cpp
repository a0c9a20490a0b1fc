// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/qt/MissingFile.h"

#include <sys/stat.h>

#include <cerrno>

bool FileIsMissing(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) return false;
    return errno == ENOENT || errno == ENOTDIR;
}

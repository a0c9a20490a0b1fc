// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/FileResults.h"

// The files a document is read from and written to, by UTF-8 path.
class DocumentFiles {
public:
    virtual ~DocumentFiles() = default;

    // At most maxBytes from the start of the file: a document has a fixed
    // size, and a huge file picked by mistake is never read whole.
    virtual FileReadResult ReadFile(const std::string& path, std::size_t maxBytes) = 0;

    // Replaces the file's whole contents or leaves the file as it was: a
    // write that fails part-way must never destroy the copy on disk.
    virtual FileWriteResult ReplaceFile(const std::string& path, std::string_view bytes) = 0;

    // The path made absolute against the current directory, so that the
    // path remembered for the next start works from anywhere. An empty path
    // stays empty: it names no file.
    virtual std::string FullPathOf(const std::string& path) = 0;

    // Whether the user may create files in the folder (a path ending in the
    // separator): the sets that come with the program lie where only the
    // system may write.
    virtual bool CanCreateFilesIn(const std::string& folder) = 0;
    // Where the user keeps documents, ending in the separator: the desktop's
    // documents folder, or the home folder where there is none.
    virtual std::string DocumentsFolder() = 0;
};

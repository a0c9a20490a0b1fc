// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Why a file could not be read or written, as far as the platform can tell.
// UntrustedLink: the path is a link that another user made, not followed.
enum class FileProblem { Unknown, NotFound, AccessDenied, BadPath, DiskFull, UntrustedLink };

struct FileReadResult {
    enum class Status { Read, CannotOpen, ReadFailed };
    Status status = Status::Read;
    FileProblem problem = FileProblem::Unknown;
    std::string bytes;  // what the file holds, when Read
};

struct FileWriteResult {
    enum class Status { Written, CannotCreate, WriteFailed };
    Status status = Status::Written;
    FileProblem problem = FileProblem::Unknown;
};

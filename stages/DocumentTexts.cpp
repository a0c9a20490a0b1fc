// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/DocumentTexts.h"

#include "base/FormatString.h"

using namespace DocumentTexts;

std::string LoadFailureText(FileProblem problem, std::string_view path) {
    switch (problem) {
    case FileProblem::NotFound: return FormatString1(kFileNotFound, path);
    case FileProblem::AccessDenied:
    case FileProblem::UntrustedLink: return FormatString1(kAccessDenied, path);
    case FileProblem::BadPath: return std::string(kInvalidFileName);
    case FileProblem::DiskFull:
    case FileProblem::Unknown: break;
    }
    return std::string(kOpenFailed);
}

std::string SaveFailureText(const FileWriteResult& result, std::string_view path) {
    switch (result.problem) {
    case FileProblem::AccessDenied: return FormatString1(kAccessDenied, path);
    case FileProblem::DiskFull: return FormatString1(kDiskFull, path);
    case FileProblem::UntrustedLink: return FormatString1(kUntrustedLink, path);
    // A missing directory is a name that cannot be created.
    case FileProblem::NotFound:
    case FileProblem::BadPath: return std::string(kInvalidFileName);
    case FileProblem::Unknown: break;
    }
    return std::string(result.status == FileWriteResult::Status::CannotCreate ? kInvalidFileName : kSaveFailed);
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stages/DocumentFiles.h"

// The document's files: reading and replacing go through SafeFiles, which
// blctool shares, and only making a path absolute is left to Qt.
class QtDocumentFiles : public DocumentFiles {
public:
    FileReadResult ReadFile(const std::string& path, std::size_t maxBytes) override;
    FileWriteResult ReplaceFile(const std::string& path, std::string_view bytes) override;
    std::string FullPathOf(const std::string& path) override;
    bool CanCreateFilesIn(const std::string& folder) override;
    std::string DocumentsFolder() override;
};

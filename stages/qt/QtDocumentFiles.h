#pragma once

#include "stages/DocumentFiles.h"

// The document's files on QFile, and on QSaveFile for writing: the new
// contents go to a temporary file beside the old one, which replaces it
// only once every byte is written.
class QtDocumentFiles : public DocumentFiles {
public:
    FileReadResult ReadFile(const std::string& path, std::size_t maxBytes) override;
    FileWriteResult ReplaceFile(const std::string& path, std::string_view bytes) override;
    std::string FullPathOf(const std::string& path) override;
};

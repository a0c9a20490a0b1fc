// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/blctool/BlcFiles.h"

#include <cstdio>

#include "base/posix/SafeFiles.h"
#include "stages/CBlockDoc.h"
#include "stages/PatternFile.h"

namespace {
std::string Hex(unsigned char byte) {
    char text[5];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::variant<std::string, FileError> ReadAtMost(const std::string& path, std::size_t maxBytes) {
    SafeFiles::ReadOutcome read = SafeFiles::ReadRegularFile(path, maxBytes);
    if (read.file.status != FileReadResult::Status::Read) return FileError{read.reason};
    return std::move(read.file.bytes);
}
}  // namespace

std::variant<std::string, FileError> ReadStageSetBytes(const std::string& path) {
    return ReadAtMost(path, PatternFile::kFileSize + 1);
}

std::variant<std::string, FileError> ReadTextBytes(const std::string& path) {
    auto read = ReadAtMost(path, kMostTextBytes + 1);
    if (const auto* bytes = std::get_if<std::string>(&read); bytes != nullptr && bytes->size() > kMostTextBytes)
        return FileError{"it is larger than 4 MiB, more than any text for this tool holds; refused"};
    return read;
}

std::optional<FileError> WriteFileBytes(const std::string& path, const std::string& bytes,
                                        SafeFiles::LinkAtTarget links) {
    const SafeFiles::WriteOutcome written = SafeFiles::ReplaceFile(path, bytes, links);
    if (written.file.status == FileWriteResult::Status::Written) return std::nullopt;
    return FileError{written.reason};
}

std::optional<std::string> HeaderProblem(const std::string& bytes) {
    if (PatternFile::HasValidHeader(bytes)) return std::nullopt;
    if (bytes.size() < PatternFile::kHeaderSize)
        return "it is " + std::to_string(bytes.size()) + " bytes long; the header alone needs 29";
    // The magic itself is fine when the same bytes with the right end byte pass.
    std::string repaired = bytes.substr(0, PatternFile::kHeaderSize);
    repaired.back() = static_cast<char>(PatternFile::kMagicEnd);
    if (!PatternFile::HasValidHeader(repaired))
        return "it does not begin with \"Zembrovaltine Pattern File.\" and the byte 0x1A";
    return "the byte after the magic is " + Hex(static_cast<unsigned char>(bytes[PatternFile::kMagic.size()])) +
           ", not 0x0A";
}

std::optional<std::string> LoadStageSet(const std::string& path, CBlockDoc& doc) {
    auto read = ReadStageSetBytes(path);
    if (const auto* failure = std::get_if<FileError>(&read)) return "cannot read it: " + failure->reason;
    const std::string& bytes = std::get<std::string>(read);
    if (const auto problem = HeaderProblem(bytes)) return "not a pattern file: " + *problem;
    doc.DeleteContents();
    PatternFile::Decode(bytes, doc);
    return std::nullopt;
}

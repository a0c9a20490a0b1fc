#include "tools/blctool/BlcFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

#include "stages/CBlockDoc.h"
#include "stages/PatternFile.h"

namespace {
struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

FileError LastError() { return {std::strerror(errno)}; }

std::string Hex(unsigned char byte) {
    char text[5];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}
}  // namespace

std::variant<std::string, FileError> ReadFileBytes(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return FileError{"it is a directory"};
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return LastError();
    std::string bytes;
    char buffer[4096];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, count);
    if (std::ferror(file.get())) return LastError();
    return bytes;
}

std::optional<FileError> WriteFileBytes(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".part";
    {
        File file(std::fopen(temporary.c_str(), "wb"));
        if (!file) return LastError();
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
        const bool closed = std::fclose(file.release()) == 0;
        if (!written || !closed) {
            FileError failure = LastError();
            std::remove(temporary.c_str());
            return failure;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        return FileError{error.message()};
    }
    return std::nullopt;
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
    auto read = ReadFileBytes(path);
    if (const auto* failure = std::get_if<FileError>(&read)) return "cannot read it: " + failure->reason;
    const std::string& bytes = std::get<std::string>(read);
    if (const auto problem = HeaderProblem(bytes)) return "not a pattern file: " + *problem;
    doc.DeleteContents();
    PatternFile::Decode(bytes, doc);
    return std::nullopt;
}

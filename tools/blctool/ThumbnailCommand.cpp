// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// blctool thumbnail: a stage set's picture for file managers, run by the
// freedesktop thumbnailer entry as `blctool thumbnail -s %s %i %o`.
#include <sys/stat.h>

#include <charconv>
#include <iostream>

#include "engine/StageThumbnail.h"
#include "stages/CBlockDoc.h"
#include "stages/PatternFile.h"
#include "tools/blctool/BlcFiles.h"
#include "tools/blctool/Command.h"
#include "tools/blctool/PngFile.h"

namespace {
struct ThumbnailArgs {
    int size = 0;
    std::string input;
    std::string output;
};

std::optional<ThumbnailArgs> ParseArgs(const std::vector<std::string>& args) {
    if (args.size() != 4 || args[0] != "-s") return std::nullopt;
    ThumbnailArgs parsed{0, args[2], args[3]};
    const std::string& size = args[1];
    const auto [end, error] = std::from_chars(size.data(), size.data() + size.size(), parsed.size);
    if (error != std::errc{} || end != size.data() + size.size()) return std::nullopt;
    return parsed;
}

// A file manager hands over whatever its type guess calls a stage set; only
// a whole one is drawn, since a cut-short set would show stages that are not
// there.
std::optional<std::string> LoadWholeSet(const std::string& path, CBlockDoc& doc) {
    auto read = ReadStageSetBytes(path);
    if (const auto* failure = std::get_if<FileError>(&read)) return "cannot read it: " + failure->reason;
    const std::string& bytes = std::get<std::string>(read);
    if (const auto problem = HeaderProblem(bytes)) return "not a stage set: " + *problem;
    if (bytes.size() < PatternFile::kFileSize)
        return "a damaged stage set: it is " + std::to_string(bytes.size()) + " bytes long, not " +
               std::to_string(PatternFile::kFileSize);
    PatternFile::Decode(bytes, doc);
    return std::nullopt;
}

// Both names lead to one file (the same name, a hard link, a link to it).
bool SameFile(const std::string& first, const std::string& second) {
    struct stat one {};
    struct stat other {};
    return ::stat(first.c_str(), &one) == 0 && ::stat(second.c_str(), &other) == 0 && one.st_dev == other.st_dev &&
           one.st_ino == other.st_ino;
}

int Fail(const std::string& path, const std::string& reason) {
    std::cerr << "blctool thumbnail: " << path << ": " << reason << '\n';
    return 1;
}

int Thumbnail(const std::vector<std::string>& args) {
    const auto parsed = ParseArgs(args);
    if (!parsed) {
        std::cerr << "usage: blctool thumbnail -s SIZE INPUT.blc OUTPUT.png\n";
        return 2;
    }
    const auto cellHeight = StageThumbnail::CellHeightFor(parsed->size);
    if (!cellHeight) {
        std::cerr << "blctool thumbnail: the size " << parsed->size << " is too small; the least is "
                  << StageThumbnail::kSmallestSize << " pixels\n";
        return 2;
    }
    // A slip of the arguments must not put the picture in place of the set.
    if (SameFile(parsed->input, parsed->output))
        return Fail(parsed->output, "it is the input file itself; the stage set is left as it is");
    CBlockDoc doc;
    if (const auto problem = LoadWholeSet(parsed->input, doc)) return Fail(parsed->input, *problem);
    auto png = EncodePng(StageThumbnail::Draw(doc, *cellHeight));
    if (const auto* failure = std::get_if<FileError>(&png)) return Fail(parsed->output, failure->reason);
    // The output's path is the file manager's choice, perhaps in a folder
    // other users write: a link found there is refused, not followed.
    if (const auto failure =
            WriteFileBytes(parsed->output, std::get<std::string>(png), SafeFiles::LinkAtTarget::Refuse))
        return Fail(parsed->output, "cannot write it: " + failure->reason);
    return 0;
}

const CommandRegistration kThumbnail{
    {"thumbnail", "-s SIZE FILE.blc OUT.png  a PNG of the first stage with blocks, within SIZE x SIZE", &Thumbnail}};
}  // namespace

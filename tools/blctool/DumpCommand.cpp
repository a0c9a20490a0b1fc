// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// blctool dump: a stage set as editable text (the inverse of build).
#include <iostream>

#include "stages/CBlockDoc.h"
#include "stages/PatternFile.h"
#include "stages/StageText.h"
#include "tools/blctool/BlcFiles.h"
#include "tools/blctool/Command.h"

namespace {
// What the text cannot carry: the file's length and the magic's letter
// case. Both come out in their usual form when the text is built again.
std::string FileNotes(const std::string& path, const std::string& bytes) {
    std::string notes = "# Dumped from " + path + "\n";
    if (bytes.size() < PatternFile::kFileSize)
        notes += "# The file is only " + std::to_string(bytes.size()) +
                 " bytes; the game reads what is missing as zero, and so does this text.\n";
    // Only one byte past the end is read: enough to know there is a tail.
    if (bytes.size() > PatternFile::kFileSize)
        notes += "# The file is longer than 2125 bytes; the game ignores the rest, which was not read, "
                 "and build leaves it out.\n";
    if (bytes.compare(0, PatternFile::kMagic.size(), PatternFile::kMagic) != 0)
        notes += "# The header's letter case differs from the usual one; build writes the usual one.\n";
    return notes + "#\n";
}

int Dump(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "usage: blctool dump FILE.blc\n";
        return 2;
    }
    const std::string& path = args[0];
    auto read = ReadStageSetBytes(path);
    if (const auto* failure = std::get_if<FileError>(&read)) {
        std::cerr << path << ": cannot read it: " << failure->reason << '\n';
        return 1;
    }
    const std::string& bytes = std::get<std::string>(read);
    if (const auto problem = HeaderProblem(bytes)) {
        std::cerr << path << ": not a pattern file: " << *problem << '\n';
        return 1;
    }
    CBlockDoc doc;
    PatternFile::Decode(bytes, doc);
    std::cout << FileNotes(path, bytes) << StageText::Write(doc);
    return 0;
}

const CommandRegistration kDump{{"dump", "FILE.blc             the stage set as editable text, on stdout", &Dump}};
}  // namespace

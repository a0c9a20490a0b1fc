// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// blctool build: a pattern file from the text that dump writes.
#include <iostream>

#include "stages/CBlockDoc.h"
#include "stages/PatternFile.h"
#include "stages/StageText.h"
#include "tools/blctool/BlcFiles.h"
#include "tools/blctool/Command.h"

namespace {
constexpr int kBadInput = 2;
constexpr int kCannotWrite = 1;

int Usage() {
    std::cerr << "usage: blctool build TEXT -o FILE.blc\n";
    return kBadInput;
}

int Build(const std::vector<std::string>& args) {
    std::string textPath;
    std::string outputPath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size())
            outputPath = args[++i];
        else if (textPath.empty())
            textPath = args[i];
        else
            return Usage();
    }
    if (textPath.empty() || outputPath.empty()) return Usage();

    auto read = ReadTextBytes(textPath);
    if (const auto* failure = std::get_if<FileError>(&read)) {
        std::cerr << textPath << ": cannot read it: " << failure->reason << '\n';
        return kBadInput;
    }
    CBlockDoc doc;
    if (const auto error = StageText::Read(std::get<std::string>(read), doc)) {
        std::cerr << textPath << ':' << error->line << ": " << error->message << '\n';
        return kBadInput;
    }
    // The cells go out exactly as written: a {2e} in the text stays 0x2E.
    if (const auto failure = WriteFileBytes(outputPath, PatternFile::Encode(doc))) {
        std::cerr << outputPath << ": cannot write it: " << failure->reason << '\n';
        return kCannotWrite;
    }
    return 0;
}

const CommandRegistration kBuild{{"build", "TEXT -o FILE.blc    a stage set from dump's text (errors: exit 2)", &Build}};
}  // namespace

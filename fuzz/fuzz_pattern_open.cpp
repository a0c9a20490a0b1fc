// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes through the document's open path; what opens is saved, and the
// saved bytes must be the input in its normal form: cut or padded to the
// file size, the magic in its usual letter case, every cell stored as its
// plain kind. Opening those bytes again and saving must change nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "stages/PatternFile.h"
#include "tests/stages/DocumentWorld.h"

namespace {
constexpr const char* kPath = "/sets/fuzz.blc";

using World = DocumentWorld;

// What a save of the opened input must write, worked out on the bytes alone.
std::string NormalForm(std::string bytes) {
    bytes.resize(PatternFile::kFileSize, '\0');
    std::copy(PatternFile::kMagic.begin(), PatternFile::kMagic.end(), bytes.begin());
    const std::size_t cellsEnd = PatternFile::kCellsOffset + kStageCount * kCellsPerStage;
    for (std::size_t i = PatternFile::kCellsOffset; i < cellsEnd; ++i) {
        auto cell = static_cast<std::int8_t>(bytes[i] & ~BlockAlive);
        bytes[i] = static_cast<char>(std::min(cell, BlockKind::Silver));
    }
    return bytes;
}

// Opens what the fake file holds and saves it back; the saved bytes.
std::string OpenAndSave(World& world, const std::string& bytes) {
    world.files.files[kPath] = bytes;
    if (!world.doc.OnOpenDocument(kPath)) return {};
    world.files.files.erase(kPath);
    if (!world.doc.OnSaveDocument(kPath)) std::abort();
    return world.files.files.at(kPath);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    World world;
    const std::string saved = OpenAndSave(world, input);
    if (saved.empty()) {
        if (PatternFile::HasValidHeader(input)) std::abort();  // a good header must open
        return 0;
    }
    if (saved != NormalForm(input)) std::abort();
    World again;
    if (OpenAndSave(again, saved) != saved) std::abort();
    return 0;
}

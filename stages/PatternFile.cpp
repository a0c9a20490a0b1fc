// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/PatternFile.h"

#include <algorithm>
#include <cstring>

#include "stages/CBlockDoc.h"

namespace PatternFile {
namespace {
constexpr std::size_t kMagicFieldSize = kMagic.size();

// The areas lie back to back in the order Decode and Encode walk them.
static_assert(kCellsOffset == kHeaderSize);
static_assert(kBonusOffset == kCellsOffset + kStageCount * kCellsPerStage);
static_assert(kReservedOffset == kBonusOffset + kStageCount);
static_assert(kMessageOffset == kReservedOffset + kReservedSize);
static_assert(kFileSize == kMessageOffset + kMessageFieldBytes);

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The reader takes the magic field as a zero-terminated string, so a zero
// byte ends the comparison early and makes the field too short to match.
bool MagicMatches(std::string_view field) {
    const std::string_view text = field.substr(0, field.find('\0'));
    return text.size() == kMagic.size() &&
           std::equal(text.begin(), text.end(), kMagic.begin(),
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

// Copies as much of the area as the input still holds and advances past it.
template <typename Area>
void ReadArea(std::string_view& rest, Area&& area) {
    const std::size_t count = std::min(rest.size(), area.size());
    std::memcpy(area.data(), rest.data(), count);
    rest.remove_prefix(count);
}

template <typename Area>
void AppendArea(std::string& out, const Area& area) {
    out.append(reinterpret_cast<const char*>(area.data()), area.size());
}
}  // namespace

bool HasValidHeader(std::string_view bytes) {
    if (bytes.size() < kHeaderSize) return false;
    return MagicMatches(bytes.substr(0, kMagicFieldSize)) &&
           static_cast<unsigned char>(bytes[kMagicFieldSize]) == kMagicEnd;
}

void Decode(std::string_view bytes, CBlockDoc& doc) {
    std::string_view rest = bytes.substr(std::min(bytes.size(), kHeaderSize));
    ReadArea(rest, doc.AllCells());
    ReadArea(rest, doc.m_bonusBall);
    ReadArea(rest, doc.m_reserved);
    ReadArea(rest, doc.m_message);
}

void NormaliseForSave(CBlockDoc& doc) {
    for (std::int8_t& cell : doc.AllCells()) {
        cell = static_cast<std::int8_t>(cell & ~BlockAlive);
        // Cracks and foreign values above silver are stored as plain silver.
        cell = std::min(cell, BlockKind::Silver);
    }
}

std::string Encode(const CBlockDoc& doc) {
    std::string out;
    out.reserve(kFileSize);
    out.append(kMagic);
    out.push_back(static_cast<char>(kMagicEnd));
    AppendArea(out, doc.AllCells());
    AppendArea(out, doc.m_bonusBall);
    AppendArea(out, doc.m_reserved);
    AppendArea(out, doc.m_message);
    return out;
}

void MarkAllStanding(CBlockDoc& doc) {
    for (std::int8_t& cell : doc.AllCells())
        if (cell > 0) cell = static_cast<std::int8_t>(cell | BlockAlive);
}
}  // namespace PatternFile

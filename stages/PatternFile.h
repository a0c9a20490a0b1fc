// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class CBlockDoc;

// The pattern file: a fixed 2125-byte layout of the magic, 0x0A, the cells
// of all ten stages, the bonus-ball flags, the reserved area and the
// all-clear message field.
namespace PatternFile {
inline constexpr std::string_view kMagic = "Zembrovaltine Pattern File.\x1A";  // 28 bytes
inline constexpr unsigned char kMagicEnd = 0x0A;
inline constexpr std::size_t kHeaderSize = 29;
inline constexpr std::size_t kCellsOffset = 29;
inline constexpr std::size_t kBonusOffset = 1829;
inline constexpr std::size_t kReservedOffset = 1839;
inline constexpr std::size_t kMessageOffset = 1869;
inline constexpr std::size_t kFileSize = 2125;

// Whether the bytes begin with the magic (letter case aside) and 0x0A.
bool HasValidHeader(std::string_view bytes);

// Fills the document's cells, flags, reserved area and message from the
// bytes after a valid header, in file order; a short file leaves the rest
// as it was (zero after DeleteContents) and longer files' tails are ignored.
void Decode(std::string_view bytes, CBlockDoc& doc);

// Saving works in three steps: cells lose BlockAlive and values above 14
// become 14; the bytes are written; on success every positive cell stands.
void NormaliseForSave(CBlockDoc& doc);
std::string Encode(const CBlockDoc& doc);
void MarkAllStanding(CBlockDoc& doc);
}  // namespace PatternFile

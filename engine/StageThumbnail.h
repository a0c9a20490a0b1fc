// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "engine/RgbPicture.h"

class CBlockDoc;

// A stage set's picture for file managers: the playfield as the game shows
// it at the start of a stage (frame, blocks, empty floor) without paddle or
// ball, in the game's proportions of 32 x 19 cell heights.
namespace StageThumbnail {
inline constexpr int kLargestSize = 1024;
inline constexpr int kSmallestSize = 32;  // one pixel per cell height
inline constexpr int kWidthInCellHeights = 32;
inline constexpr int kHeightInCellHeights = 19;

// The largest whole-pixel cell height whose picture fits in size x size,
// a size above kLargestSize counting as kLargestSize; nothing when even
// one pixel per cell height does not fit.
std::optional<int> CellHeightFor(int size);

// The first stage holding any block, or nothing when every stage is empty.
std::optional<int> FirstStageWithBlocks(const CBlockDoc& doc);

// That stage (or the frame alone) with blocks cellHeight pixels high and
// twice as wide, and a frame one cell height thick.
RgbPicture Draw(const CBlockDoc& doc, int cellHeight);
}  // namespace StageThumbnail

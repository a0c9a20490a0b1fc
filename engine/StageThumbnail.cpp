// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/StageThumbnail.h"

#include <algorithm>

#include "engine/BlockPicture.h"
#include "stages/CBlockDoc.h"

namespace StageThumbnail {
namespace {
// The wall tiles' colours: a checkerboard of raised squares, two to the
// frame's thickness, aqua and silver with white and grey bevels.
constexpr Rgb kWallAqua{0, 255, 255};
constexpr Rgb kWallSilver{192, 192, 192};
constexpr Rgb kBevelLight{255, 255, 255};
constexpr Rgb kBevelDark{128, 128, 128};

// A wall square along one axis: the one pixel p lies in, with its first
// pixel and size. Squares are half a cell height, so at odd cell heights
// they alternate between two sizes and every pixel still has one colour.
struct SquareSpan {
    int index;
    int offset;  // of p within the square
    int size;
};

SquareSpan SquareAt(int p, int cellHeight) {
    const int index = (2 * p + 1) / cellHeight;
    const int start = index * cellHeight / 2;
    return {index, p - start, (index + 1) * cellHeight / 2 - start};
}

// The bevel is as wide as the game's wall bitmaps make it at the nearest
// size, and left out where a square is too small to show a face inside it.
int BevelWidth(int squareSize) {
    if (squareSize >= 12) return 2;
    return squareSize >= 4 ? 1 : 0;
}

Rgb WallPixel(int x, int y, int cellHeight) {
    const SquareSpan across = SquareAt(x, cellHeight);
    const SquareSpan down = SquareAt(y, cellHeight);
    const int bevel = BevelWidth(std::min(across.size, down.size));
    const bool onLight = across.offset < bevel || down.offset < bevel;
    const bool onDark = across.offset >= across.size - bevel || down.offset >= down.size - bevel;
    // Where the light and dark edges meet they split along the diagonal,
    // as a raised button's do.
    if (onLight && onDark)
        return across.offset + down.offset < std::min(across.size, down.size) - 1 ? kBevelLight : kBevelDark;
    if (onLight) return kBevelLight;
    if (onDark) return kBevelDark;
    return (across.index + down.index) % 2 == 0 ? kWallAqua : kWallSilver;
}

void DrawFrame(RgbPicture& picture, int cellHeight) {
    const int rightWall = picture.Width() - cellHeight;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (y < cellHeight || x < cellHeight || x >= rightWall) picture.Put(x, y, WallPixel(x, y, cellHeight));
}

bool HasBlocks(const CBlockDoc& preparedStage) {
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column)
            if (preparedStage.Cell(column, row) > 0) return true;
    return false;
}

// The stage as play starts it: every block standing, silver uncracked.
CBlockDoc PreparedStage(const CBlockDoc& doc, int stage) {
    CBlockDoc copy = doc;
    copy.AttachView(nullptr);
    copy.m_nStage = stage;
    copy.PrepareStage();
    return copy;
}

// The first stage holding any block, prepared as play starts it.
std::optional<CBlockDoc> FirstPreparedStageWithBlocks(const CBlockDoc& doc) {
    for (int stage = 0; stage < kStageCount; ++stage)
        if (CBlockDoc prepared = PreparedStage(doc, stage); HasBlocks(prepared)) return prepared;
    return std::nullopt;
}

void DrawBlocks(RgbPicture& picture, const CBlockDoc& preparedStage, int cellHeight) {
    const int cellWidth = 2 * cellHeight;
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            const PixelPoint origin{cellHeight + column * cellWidth, cellHeight + row * cellHeight};
            picture.Paint(BlockFills(origin, cellWidth, cellHeight, preparedStage.Cell(column, row), false));
        }
}
}  // namespace

std::optional<int> CellHeightFor(int size) {
    const int cellHeight = std::min(size, kLargestSize) / kWidthInCellHeights;
    if (cellHeight < 1) return std::nullopt;
    return cellHeight;
}

std::optional<int> FirstStageWithBlocks(const CBlockDoc& doc) {
    if (const auto prepared = FirstPreparedStageWithBlocks(doc)) return prepared->m_nStage;
    return std::nullopt;
}

RgbPicture Draw(const CBlockDoc& doc, int cellHeight) {
    RgbPicture picture(kWidthInCellHeights * cellHeight, kHeightInCellHeights * cellHeight,
                       ViewColours::kBackground);
    DrawFrame(picture, cellHeight);
    if (const auto stage = FirstPreparedStageWithBlocks(doc)) DrawBlocks(picture, *stage, cellHeight);
    return picture;
}
}  // namespace StageThumbnail

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/StageThumbnail.h"

#include <gtest/gtest.h>

#include "stages/CBlockDoc.h"

namespace {
constexpr Rgb kWhite{255, 255, 255};

void PutBlock(CBlockDoc& doc, int stage, int column, int row, std::int8_t kind) {
    doc.CellsOf(stage)[CellIndex(column, row)] = kind;
}

bool InteriorIsBlank(const RgbPicture& picture, int cellHeight) {
    for (int y = cellHeight; y < picture.Height(); ++y)
        for (int x = cellHeight; x < picture.Width() - cellHeight; ++x)
            if (!(picture.At(x, y) == kWhite)) return false;
    return true;
}

// The wall's squares are aqua and silver at every size, their bevels aside.
bool LeftWallShows(const RgbPicture& picture, int cellHeight, Rgb colour) {
    for (int y = cellHeight; y < picture.Height(); ++y)
        for (int x = 0; x < cellHeight; ++x)
            if (picture.At(x, y) == colour) return true;
    return false;
}
}  // namespace

TEST(StageThumbnail, TheLargestWholeCellHeightThatFitsUpToAThousandAndTwentyFourPixels) {
    EXPECT_EQ(StageThumbnail::CellHeightFor(128), 4);
    EXPECT_EQ(StageThumbnail::CellHeightFor(159), 4);
    EXPECT_EQ(StageThumbnail::CellHeightFor(1024), 32);
    EXPECT_EQ(StageThumbnail::CellHeightFor(5000), 32);
    EXPECT_EQ(StageThumbnail::CellHeightFor(32), 1);
    EXPECT_EQ(StageThumbnail::CellHeightFor(31), std::nullopt);
    EXPECT_EQ(StageThumbnail::CellHeightFor(-64), std::nullopt);

    const RgbPicture picture = StageThumbnail::Draw(CBlockDoc{}, 4);
    EXPECT_EQ(picture.Width(), 128);
    EXPECT_EQ(picture.Height(), 76);
}

TEST(StageThumbnail, DrawsTheFirstStageWithAnyBlockInTheGamesColoursAsPlayStartsIt) {
    CBlockDoc doc;
    PutBlock(doc, 1, 0, 0, static_cast<std::int8_t>(BlockAlive));  // a standing bit alone is no block
    PutBlock(doc, 2, 3, 1, 5);
    PutBlock(doc, 2, 14, 11, BlockKind::SilverCrackedTwice);  // cracks from a broken-off game heal
    PutBlock(doc, 3, 0, 0, 1);
    ASSERT_EQ(StageThumbnail::FirstStageWithBlocks(doc), 2);

    const int h = 8;  // a cell is 16 x 8 pixels, after a frame of 8
    const RgbPicture picture = StageThumbnail::Draw(doc, h);
    const BlockColours& pink = ColoursOfKind(5);
    const int left = h + 3 * 2 * h, top = h + 1 * h;
    EXPECT_EQ(picture.At(left + h, top + h / 2), pink.fill);
    EXPECT_EQ(picture.At(left, top), pink.highlight);
    EXPECT_EQ(picture.At(left + 2 * h - 1, top + h - 1), pink.outline);
    EXPECT_EQ(picture.At(left - 1, top), kWhite);  // stage 3's block in column 0 is not drawn

    const BlockColours& silver = ColoursOfKind(BlockKind::Silver);
    EXPECT_EQ(picture.At(h + 14 * 2 * h + h, h + 11 * h + h / 2), silver.fill);  // no crack down the middle
}

TEST(StageThumbnail, AnEmptySetGivesTheFrameAlone) {
    CBlockDoc doc;
    PutBlock(doc, 4, 2, 2, static_cast<std::int8_t>(0x80));  // a byte no kind has
    EXPECT_EQ(StageThumbnail::FirstStageWithBlocks(doc), std::nullopt);
    for (const int h : {2, 5, 32}) {
        const RgbPicture picture = StageThumbnail::Draw(doc, h);
        EXPECT_TRUE(InteriorIsBlank(picture, h)) << "cell height " << h;
        EXPECT_TRUE(LeftWallShows(picture, h, Rgb{0, 255, 255})) << "cell height " << h;
        EXPECT_TRUE(LeftWallShows(picture, h, Rgb{192, 192, 192})) << "cell height " << h;
    }
}

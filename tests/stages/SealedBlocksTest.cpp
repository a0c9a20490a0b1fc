// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/SealedBlocks.h"

#include <gtest/gtest.h>

#include "stages/CBlockDoc.h"

namespace {
void Put(CBlockDoc& doc, int row, int column, int kind) {
    doc.CellsOf(doc.m_nStage)[CellIndex(column, row)] = static_cast<std::int8_t>(kind);
}

// Gold around (1..3, 1..3) with a colour block in the middle.
CBlockDoc GoldRing() {
    CBlockDoc doc;
    doc.m_nStage = 4;
    for (int row = 0; row <= 4; ++row)
        for (int column = 0; column <= 4; ++column) Put(doc, row, column, BlockKind::Gold);
    Put(doc, 2, 2, 5);
    return doc;
}

TEST(SealedBlocksTest, GoldThatClosesBlocksOffIsFound) {
    CBlockDoc ring = GoldRing();
    EXPECT_EQ(SealedBlocks(ring, 4), (std::vector<CellAddress>{{2, 2}}));
    EXPECT_TRUE(SealedBlocks(ring, 3).empty()) << "other stages are untouched";

    CBlockDoc opened = GoldRing();
    Put(opened, 4, 2, 7);  // a breakable block in the ring breaks open a way in
    Put(opened, 3, 2, 0);
    EXPECT_TRUE(SealedBlocks(opened, 4).empty());

    CBlockDoc cornerGap = GoldRing();
    Put(cornerGap, 2, 2, BlockKind::Gold);
    Put(cornerGap, 3, 1, 5);  // meets the open cells below only at their corners
    Put(cornerGap, 4, 0, 0);
    Put(cornerGap, 4, 2, 0);
    EXPECT_EQ(SealedBlocks(cornerGap, 4), (std::vector<CellAddress>{{3, 1}}))
        << "the ball cannot slip between corners";

    CBlockDoc foreign = GoldRing();
    Put(foreign, 4, 2, -100);  // played as empty
    Put(foreign, 3, 2, 0x2D);  // a standing gold is still gold
    EXPECT_EQ(SealedBlocks(foreign, 4).size(), 1u);
    Put(foreign, 3, 2, 0x11);  // a foreign kind above silver breaks like silver
    EXPECT_TRUE(SealedBlocks(foreign, 4).empty());
}
}  // namespace

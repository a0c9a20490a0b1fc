// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/CBlockDoc.h"

#include <gtest/gtest.h>

#include <string>

namespace {
constexpr std::int8_t Standing(int kind) { return static_cast<std::int8_t>(kind | BlockAlive); }

TEST(CBlockDocTest, PrepareStageStandsEveryBlockAndCountsTheBreakableOnes) {
    CBlockDoc doc;
    doc.m_nStage = 3;
    doc.SetCell(0, 0, BlockKind::Gold);
    doc.SetCell(1, 0, BlockKind::Gold);
    EXPECT_EQ(doc.PrepareStage(), 0) << "gold never counts";
    EXPECT_EQ(doc.Cell(0, 0), Standing(BlockKind::Gold));

    doc.SetCell(2, 0, 7);
    doc.KnockOut(2, 0);
    doc.SetCell(3, 0, BlockKind::Silver);
    doc.HitSilver(3, 0);
    doc.SetCell(4, 0, 16);  // cracked twice, left from an interrupted game
    std::int8_t& cell = doc.CellsOf(3)[5];
    cell = static_cast<std::int8_t>(0xA1);  // a foreign byte with the top bit set
    EXPECT_EQ(doc.PrepareStage(), 3);
    EXPECT_EQ(doc.Cell(2, 0), Standing(7)) << "a knocked-out block stands again";
    EXPECT_EQ(doc.Cell(3, 0), Standing(BlockKind::Silver));
    EXPECT_EQ(doc.Cell(4, 0), Standing(BlockKind::Silver));
    EXPECT_EQ(cell, static_cast<std::int8_t>(0x81)) << "never standing, flag cleared";
    EXPECT_EQ(doc.CountBlocks(), 6) << "every nonzero byte counts, foreign ones too";
    for (int stage : {2, 4}) {
        doc.m_nStage = stage;
        EXPECT_EQ(doc.CountBlocks(), 0);
    }
}

// The bytes of each hit are pinned by the trace tool's block-hit scenario.
TEST(CBlockDocTest, SilverIsLiveUntilItsThirdHit) {
    CBlockDoc doc;
    doc.SetCell(6, 2, BlockKind::Silver);
    doc.HitSilver(6, 2);
    doc.HitSilver(6, 2);
    EXPECT_TRUE(doc.IsLiveSilver(6, 2));
    doc.HitSilver(6, 2);
    EXPECT_FALSE(doc.IsLiveSilver(6, 2));  // standing whole again is the stage preparation's test

    doc.SetCell(7, 2, BlockKind::Gold);
    doc.CellsOf(0)[CellIndex(8, 2)] = static_cast<std::int8_t>(0xAE);
    EXPECT_FALSE(doc.IsLiveSilver(7, 2));
    EXPECT_FALSE(doc.IsLiveSilver(8, 2)) << "the signed value of a foreign byte is below silver";
}

TEST(CBlockDocTest, TheBonusToggleAndTheMessageMarkTheDocumentModified) {
    // Strokes and clearing are checked through the editor view.
    CBlockDoc doc;
    doc.ToggleBonusBall();
    doc.ToggleBonusBall();
    EXPECT_EQ(doc.m_bonusBall[0], 0);
    EXPECT_TRUE(doc.IsModified());

    // The field's old tail and its 255 limit are the pattern file's tests.
    doc.SetModifiedFlag(false);
    doc.SetMessage(std::string(300, 'x'));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.MessageText().size(), 255u);
    EXPECT_EQ(doc.m_message[255], '\0');
}
}  // namespace

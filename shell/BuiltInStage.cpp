// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/BuiltInStage.h"

#include <array>

#include "stages/CBlockDoc.h"

namespace {
// The rainbow, top to bottom: red, orange, yellow, green, blue, violet.
constexpr std::array<int, 6> kRainbowKinds = {1, 8, 4, 7, 10, 9};
constexpr int kFirstRainbowRow = 2;
constexpr int kSilverRow = 1;
constexpr int kGoldRow = 9;
constexpr std::array<int, 3> kGoldColumns = {2, 7, 12};

int FirstStageKind(int column, int row) {
    const bool inside = column >= 1 && column < kGridColumns - 1;
    if (row == kSilverRow) return inside ? BlockKind::Silver : BlockKind::Empty;
    const int band = row - kFirstRainbowRow;
    if (band >= 0 && band < static_cast<int>(kRainbowKinds.size()) && inside) return kRainbowKinds[band];
    if (row == kGoldRow)
        for (int goldColumn : kGoldColumns)
            if (column == goldColumn) return BlockKind::Gold;
    return BlockKind::Empty;
}

// The other stages: diagonal stripes of all twelve colours in a diamond,
// with silver at its tips and gold at its centre, shifted by the stage.
int LaterStageKind(int stage, int column, int row) {
    const int centreColumn = kGridColumns / 2;
    const int centreRow = 5;
    const int distance = (column > centreColumn ? column - centreColumn : centreColumn - column) +
                         (row > centreRow ? row - centreRow : centreRow - row);
    if (distance == 0) return BlockKind::Gold;
    if (distance > 5 + stage % 3) return BlockKind::Empty;
    if (distance == 5 + stage % 3) return BlockKind::Silver;
    return BlockKind::FirstColour + (column + row + stage) % BlockKind::LastColour;
}
}  // namespace

void LoadBuiltInStageSet(CBlockDoc& doc) {
    doc.DeleteContents();
    for (int stage = 0; stage < kStageCount; ++stage) {
        for (int row = 0; row < kGridRows; ++row) {
            for (int column = 0; column < kGridColumns; ++column) {
                const int kind = stage == 0 ? FirstStageKind(column, row) : LaterStageKind(stage, column, row);
                doc.CellsOf(stage)[CellIndex(column, row)] =
                    static_cast<std::int8_t>(kind == BlockKind::Empty ? 0 : kind | BlockAlive);
            }
        }
    }
    doc.m_bonusBall[0] = 1;
    doc.SetMessage("おめでとう! 全ステージ クリア!");
    doc.m_nStage = 0;
    doc.SetModifiedFlag(false);
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/SealedBlocks.h"

#include <algorithm>
#include <array>

#include "stages/CBlockDoc.h"

int PlayedKind(signed char cell) {
    if (cell < 0) return BlockKind::Empty;
    return std::min(cell & ~BlockAlive, int{BlockKind::Silver});
}

std::vector<CellAddress> SealedBlocks(const CBlockDoc& doc, int stage) {
    const ConstStageCells cells = doc.CellsOf(stage);
    auto kindAt = [&](int row, int column) { return PlayedKind(cells[CellIndex(column, row)]); };

    // Flood the grid from the open space below the bottom row.
    std::array<bool, kCellsPerStage> reached{};
    std::vector<CellAddress> pending;
    for (int column = 0; column < kGridColumns; ++column) pending.push_back({kGridRows, column});
    while (!pending.empty()) {
        const CellAddress from = pending.back();
        pending.pop_back();
        const CellAddress neighbours[] = {{from.row - 1, from.column},
                                          {from.row + 1, from.column},
                                          {from.row, from.column - 1},
                                          {from.row, from.column + 1}};
        for (const CellAddress& next : neighbours) {
            if (next.row < 0 || next.row >= kGridRows || next.column < 0 || next.column >= kGridColumns) continue;
            bool& seen = reached[CellIndex(next.column, next.row)];
            if (seen || kindAt(next.row, next.column) == BlockKind::Gold) continue;
            seen = true;
            pending.push_back(next);
        }
    }

    std::vector<CellAddress> sealed;
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column) {
            const int kind = kindAt(row, column);
            const bool breakable = kind != BlockKind::Empty && kind != BlockKind::Gold;
            if (breakable && !reached[CellIndex(column, row)]) sealed.push_back({row, column});
        }
    return sealed;
}

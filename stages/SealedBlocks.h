// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

class CBlockDoc;

struct CellAddress {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellAddress&, const CellAddress&) = default;
};

// The breakable blocks of a stage that the ball can never reach: gold
// blocks (and the walls) close them off from the open space below the
// grid. Such a stage can never be cleared. The ball passes through any
// cell that is not gold, since it breaks what it meets on the way, but not
// between two gold blocks that touch only at a corner. Row-major order.
std::vector<CellAddress> SealedBlocks(const CBlockDoc& doc, int stage);

// The kind the game plays for a stored cell byte: flags and cracks aside,
// values above silver as silver, and bytes with the top bit set as empty.
int PlayedKind(signed char cell);

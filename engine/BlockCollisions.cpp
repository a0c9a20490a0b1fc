// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BlockCollisions.h"

#include "engine/BallFlight.h"
#include "engine/Playfield.h"
#include "engine/PlayfieldCanvas.h"
#include "engine/SessionState.h"
#include "stages/CBlockDoc.h"

namespace {
using Playfield::kBallRadius;
using Playfield::kCellHeight;
using Playfield::kCellWidth;

constexpr int kLastRow = kGridRows - 1;
constexpr int kLastColumn = kGridColumns - 1;
constexpr int kSilverPoints = 20;
// A normal block in row r is worth kTopRowPoints - r: the higher, the more.
constexpr int kTopRowPoints = 12;

// Rows and columns from coordinates round down, also left of and above the grid.
int FloorDiv(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}
int RowOf(int y) { return FloorDiv(y, kCellHeight); }
int ColumnOf(int x) { return FloorDiv(x, kCellWidth); }
bool IsRow(int row) { return row >= 0 && row <= kLastRow; }
bool IsColumn(int column) { return column >= 0 && column <= kLastColumn; }

// The edge of the ball a phase looks at: the top edge meets bottom faces
// of blocks, the bottom edge top faces.
enum class BallEdge { Top, Bottom };
// Which side of the ball leads horizontally into a cell: the right side
// meets left faces, the left side right faces.
enum class BallSide { Left, Right };

// The blocks against one edge of the ball, for one sub-step. Each phase
// hits at most one cell.
class BlockPhase {
public:
    BlockPhase(BallFlight& flight, BlockHitTally& tally, BallEdge edge)
        : state_(flight.state), doc_(flight.doc), canvas_(flight.canvas), tally_(tally), edge_(edge) {}

    // The top edge: straight on, then the right side's column, then the left's.
    void RunTopEdge();
    // The bottom edge likewise, then the trailing edge's row.
    void RunBottomEdge();

private:
    int& x() { return state_.ballX; }
    int& y() { return state_.ballY; }
    int& dx() { return state_.ballDX; }
    int& dy() { return state_.ballDY; }

    // Cells off the grid never stand; a byte with its top bit set never does either.
    bool Standing(int row, int column) const {
        if (!IsRow(row) || !IsColumn(column)) return false;
        const std::int8_t cell = doc_.Cell(column, row);
        return (cell & BlockAlive) != 0 && cell > 0;
    }

    // The four crossing tests: the ball's edge passed the face during this
    // sub-step, judged from its position now less one velocity.
    bool CrossedBottomFace(int row) { return dy() < 0 && kCellHeight * (row + 1) - y() + kBallRadius <= -dy(); }
    bool CrossedTopFace(int row) { return dy() > 0 && y() - kCellHeight * row + kBallRadius <= dy(); }
    bool CrossedLeftFace(int column) { return dx() > 0 && x() - kCellWidth * column + kBallRadius <= dx(); }
    bool CrossedRightFace(int column) {
        return dx() < 0 && kCellWidth * (column + 1) - x() + kBallRadius <= -dx();
    }

    // A face shared with a standing neighbour lies inside a wall of blocks
    // and never reflects.
    bool BottomFaceExposed(int row, int column) const { return !Standing(row + 1, column); }
    bool TopFaceExposed(int row, int column) const { return !Standing(row - 1, column); }
    bool LeftFaceExposed(int row, int column) const { return !Standing(row, column - 1); }
    bool RightFaceExposed(int row, int column) const { return !Standing(row, column + 1); }

    // The row face this phase's edge reflects from, entered during this sub-step.
    bool CrossedExposedRowFace(int row, int column) {
        return edge_ == BallEdge::Top ? CrossedBottomFace(row) && BottomFaceExposed(row, column)
                                      : CrossedTopFace(row) && TopFaceExposed(row, column);
    }
    // The side face the ball's leading side meets, entered during this sub-step.
    bool CrossedExposedSideFace(int row, int column, BallSide side) {
        return side == BallSide::Right ? CrossedLeftFace(column) && LeftFaceExposed(row, column)
                                       : CrossedRightFace(column) && RightFaceExposed(row, column);
    }
    static int SideFaceX(int column, BallSide side) {
        return side == BallSide::Right ? kCellWidth * column : kCellWidth * (column + 1);
    }

    bool TryStraightOn(int row, int column);
    bool TrySideColumn(int row, int column, BallSide side);
    bool TryTrailingEdge();

    void FlipHorizontally(int face);
    void FlipVertically(int row);
    void ApplyHit(int row, int column);
    void KnockOut(int row, int column, int points);

    SessionState& state_;
    CBlockDoc& doc_;
    PlayfieldCanvas& canvas_;
    BlockHitTally& tally_;
    BallEdge edge_;
};

void BlockPhase::FlipHorizontally(int face) {
    // The leading side is mirrored about the face.
    x() = dx() > 0 ? 2 * face - 2 * kBallRadius - x() : 2 * face + 2 * kBallRadius - x();
    dx() = -dx();
}

void BlockPhase::FlipVertically(int row) {
    dy() = -dy();
    // The top edge is mirrored about the row's bottom face, the bottom edge
    // about its top face.
    y() = edge_ == BallEdge::Top ? 2 * kCellHeight * (row + 1) + 2 * kBallRadius - y()
                                 : 2 * kCellHeight * row - 2 * kBallRadius - y();
}

void BlockPhase::ApplyHit(int row, int column) {
    if (doc_.IsLiveSilver(column, row)) {
        state_.lastEvent = SoundEvent::SilverBlock;
        const std::int8_t cracked = doc_.HitSilver(column, row);
        canvas_.DrawCell(column, row);
        if ((cracked & BlockAlive) != 0) return;  // cracked, still standing
        KnockOut(row, column, kSilverPoints);
        return;
    }
    if ((doc_.Cell(column, row) & ~BlockAlive) == BlockKind::Gold) {
        state_.lastEvent = SoundEvent::GoldBlock;
        tally_.hitGold = true;
        return;  // gold never breaks
    }
    state_.lastEvent = SoundEvent::NormalBlock;
    KnockOut(row, column, kTopRowPoints - row);
}

void BlockPhase::KnockOut(int row, int column, int points) {
    doc_.KnockOut(column, row);
    canvas_.DrawCell(column, row);
    // The score is 16 bits and wraps.
    state_.score = static_cast<std::uint16_t>(state_.score + points);
    tally_.points += points;
    --state_.blocksLeft;
}

// The cell above (or below) the centre, entered through its row face.
bool BlockPhase::TryStraightOn(int row, int column) {
    if (!Standing(row, column) || !CrossedExposedRowFace(row, column)) return false;
    FlipVertically(row);
    ApplyHit(row, column);
    return true;
}

// The cell under the ball's right or left side, entered
// through its side face (a corner entry also through its row face) or
// through its row face alone.
bool BlockPhase::TrySideColumn(int row, int column, BallSide side) {
    if (!Standing(row, column)) return false;
    const bool flipsVertically = CrossedExposedRowFace(row, column);
    const bool flipsHorizontally = CrossedExposedSideFace(row, column, side);
    if (!flipsHorizontally && !flipsVertically) return false;
    if (flipsHorizontally) FlipHorizontally(SideFaceX(column, side));
    if (flipsVertically) FlipVertically(row);
    ApplyHit(row, column);
    return true;
}

// A block beside the ball's path, met by the leading side in the row
// where the edge that trails the vertical motion lay before the move.
bool BlockPhase::TryTrailingEdge() {
    // A ball moving straight up or down meets no side face.
    if (dx() == 0) return false;
    const int trailingEdgeBefore = dy() > 0 ? y() - dy() - kBallRadius : y() - dy() + kBallRadius;
    const int row = RowOf(trailingEdgeBefore);
    if (!IsRow(row)) return false;

    const BallSide side = dx() > 0 ? BallSide::Right : BallSide::Left;
    const int column = ColumnOf(side == BallSide::Right ? x() + kBallRadius : x() - kBallRadius);
    if (!Standing(row, column) || !CrossedExposedSideFace(row, column, side)) return false;
    FlipHorizontally(SideFaceX(column, side));
    ApplyHit(row, column);
    return true;
}

void BlockPhase::RunTopEdge() {
    const int topEdge = y() - kBallRadius;
    if (topEdge < 0) return;  // above the grid: the ceiling deals with it
    const int row = RowOf(topEdge);
    const int column = ColumnOf(x());
    if (row > kLastRow || !IsColumn(column)) return;

    const bool hit = (dy() < 0 && TryStraightOn(row, column)) ||
                     TrySideColumn(row, ColumnOf(x() + kBallRadius), BallSide::Right) ||
                     TrySideColumn(row, ColumnOf(x() - kBallRadius), BallSide::Left);
    if (hit) tally_.topEdgeHit = true;
}

void BlockPhase::RunBottomEdge() {
    const int bottomEdge = y() + kBallRadius;
    if (bottomEdge < 0) return;
    const int row = RowOf(bottomEdge);
    const int column = ColumnOf(x());
    // Below the grid nothing is tested, the trailing edge's row included.
    if (row > kLastRow || !IsColumn(column)) return;

    if (dy() > 0 && TryStraightOn(row, column)) return;
    if (TrySideColumn(row, ColumnOf(x() + kBallRadius), BallSide::Right)) return;
    if (TrySideColumn(row, ColumnOf(x() - kBallRadius), BallSide::Left)) return;
    // A top-edge hit already settled this sub-step's contact with the blocks.
    if (tally_.topEdgeHit) return;
    TryTrailingEdge();
}
}  // namespace

void CollideTopEdge(BallFlight& flight, BlockHitTally& tally) {
    BlockPhase(flight, tally, BallEdge::Top).RunTopEdge();
}

void CollideBottomEdge(BallFlight& flight, BlockHitTally& tally) {
    BlockPhase(flight, tally, BallEdge::Bottom).RunBottomEdge();
}

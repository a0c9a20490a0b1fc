#include "engine/BlockCollisions.h"

#include "engine/GameSession.h"
#include "engine/Playfield.h"
#include "engine/SessionPlatform.h"
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
bool IsColumn(int column) { return column >= 0 && column <= kLastColumn; }

// One hit decided by a phase: the cell, and which faces reflect the ball.
struct Hit {
    int row = 0;
    int column = 0;
    bool flipsHorizontally = false;
    int face = 0;  // the x of the side face, when it flips horizontally
    bool flipsVertically = false;
};

// The step's view of the ball and the current stage for one phase.
class BlockPhase {
public:
    BlockPhase(GameSession& session, BlockHitTally& tally)
        : session_(session), doc_(session.Doc()), tally_(tally) {}

    void RunTopEdge();
    void RunBottomEdge();

private:
    int& x() { return session_.ballX; }
    int& y() { return session_.ballY; }
    int& dx() { return session_.ballDX; }
    int& dy() { return session_.ballDY; }

    // Cells off the grid never stand; a byte with its top bit set never does either.
    bool Standing(int row, int column) const {
        if (row < 0 || row > kLastRow || !IsColumn(column)) return false;
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

    // A face between two standing blocks is inside a wall of blocks and never reflects.
    bool BottomFaceExposed(int row, int column) const { return !Standing(row + 1, column); }
    bool TopFaceExposed(int row, int column) const { return !Standing(row - 1, column); }
    bool LeftFaceExposed(int row, int column) const { return !Standing(row, column - 1); }
    bool RightFaceExposed(int row, int column) const { return !Standing(row, column + 1); }

    bool TryTopEdgeColumn(int row, int column, bool isRightEdge);
    bool TryBottomEdgeColumn(int row, int column, bool isRightEdge);
    bool TryTrailingEdge();

    void FlipHorizontally(int face);
    void Strike(const Hit& hit, bool mirrorAboutBottomFace);
    void ApplyHit(int row, int column);
    void KnockOut(int row, int column, int points);

    GameSession& session_;
    CBlockDoc& doc_;
    BlockHitTally& tally_;
};

void BlockPhase::FlipHorizontally(int face) {
    // The leading edge is mirrored about the face.
    x() = dx() > 0 ? 2 * face - 2 * kBallRadius - x() : 2 * face + 2 * kBallRadius - x();
    dx() = -dx();
}

void BlockPhase::Strike(const Hit& hit, bool mirrorAboutBottomFace) {
    if (hit.flipsHorizontally) FlipHorizontally(hit.face);
    if (hit.flipsVertically) {
        dy() = -dy();
        // The top edge is mirrored about the row's bottom face, or the bottom
        // edge about its top face.
        y() = mirrorAboutBottomFace ? 2 * kCellHeight * (hit.row + 1) + 2 * kBallRadius - y()
                                    : 2 * kCellHeight * hit.row - 2 * kBallRadius - y();
    }
    ApplyHit(hit.row, hit.column);
}

void BlockPhase::ApplyHit(int row, int column) {
    if (doc_.IsLiveSilver(column, row)) {
        session_.lastEvent = SoundEvent::SilverBlock;
        const std::int8_t cracked = doc_.HitSilver(column, row);
        session_.Platform().DrawCell(column, row);
        if ((cracked & BlockAlive) != 0) return;  // cracked, still standing
        KnockOut(row, column, kSilverPoints);
        return;
    }
    if ((doc_.Cell(column, row) & ~BlockAlive) == BlockKind::Gold) {
        session_.lastEvent = SoundEvent::GoldBlock;
        tally_.hitGold = true;
        return;  // gold never breaks
    }
    session_.lastEvent = SoundEvent::NormalBlock;
    KnockOut(row, column, kTopRowPoints - row);
}

void BlockPhase::KnockOut(int row, int column, int points) {
    doc_.KnockOut(column, row);
    session_.Platform().DrawCell(column, row);
    // The score is 16 bits and wraps.
    session_.score = static_cast<std::uint16_t>(session_.score + points);
    tally_.points += points;
    --session_.blocksLeft;
}

// A side column of the top edge (A2 for the right edge, A3 for the left).
bool BlockPhase::TryTopEdgeColumn(int row, int column, bool isRightEdge) {
    if (!Standing(row, column)) return false;
    const bool flipsVertically = CrossedBottomFace(row) && BottomFaceExposed(row, column);
    const bool crossedSide = isRightEdge ? CrossedLeftFace(column) && LeftFaceExposed(row, column)
                                         : CrossedRightFace(column) && RightFaceExposed(row, column);
    if (crossedSide) {
        const int face = isRightEdge ? kCellWidth * column : kCellWidth * (column + 1);
        Strike({row, column, true, face, flipsVertically}, true);
        return true;
    }
    if (!flipsVertically) return false;
    Strike({row, column, false, 0, true}, true);
    return true;
}

void BlockPhase::RunTopEdge() {
    const int topEdge = y() - kBallRadius;
    if (topEdge < 0) return;  // above the grid: the ceiling handles it
    const int row = RowOf(topEdge);
    const int column = ColumnOf(x());
    if (row > kLastRow || !IsColumn(column)) return;
    const int rightColumn = ColumnOf(x() + kBallRadius);
    const int leftColumn = ColumnOf(x() - kBallRadius);

    // A1: straight up into the bottom face above the centre.
    if (dy() < 0 && Standing(row, column) && BottomFaceExposed(row, column) && CrossedBottomFace(row)) {
        Strike({row, column, false, 0, true}, true);
        tally_.topEdgeHit = true;
        return;
    }
    if (TryTopEdgeColumn(row, rightColumn, true) || TryTopEdgeColumn(row, leftColumn, false))
        tally_.topEdgeHit = true;
}

// A side column of the bottom edge (B2 for the right edge, B3 for the left).
bool BlockPhase::TryBottomEdgeColumn(int row, int column, bool isRightEdge) {
    if (!Standing(row, column)) return false;
    const bool flipsVertically = CrossedTopFace(row) && TopFaceExposed(row, column);
    const bool crossedSide = isRightEdge ? CrossedLeftFace(column) && LeftFaceExposed(row, column)
                                         : CrossedRightFace(column) && RightFaceExposed(row, column);
    if (crossedSide) {
        const int face = isRightEdge ? kCellWidth * column : kCellWidth * (column + 1);
        Strike({row, column, true, face, flipsVertically}, false);
        return true;
    }
    if (!flipsVertically) return false;
    Strike({row, column, false, 0, true}, false);
    return true;
}

// B4: a block beside the ball's path, met by the side of the edge that
// trails the vertical motion, in the row that edge lay in before the move.
bool BlockPhase::TryTrailingEdge() {
    // A ball moving straight up or down meets no side face.
    if (dx() == 0) return false;
    const int trailingEdgeBefore = dy() > 0 ? y() - dy() - kBallRadius : y() - dy() + kBallRadius;
    const int row = RowOf(trailingEdgeBefore);
    if (row < 0 || row > kLastRow) return false;

    if (dx() < 0) {
        const int column = ColumnOf(x() - kBallRadius);
        if (!Standing(row, column) || !RightFaceExposed(row, column) || !CrossedRightFace(column)) return false;
        Strike({row, column, true, kCellWidth * (column + 1), false}, false);
        return true;
    }
    const int column = ColumnOf(x() + kBallRadius);
    if (!Standing(row, column) || !LeftFaceExposed(row, column) || !CrossedLeftFace(column)) return false;
    Strike({row, column, true, kCellWidth * column, false}, false);
    return true;
}

void BlockPhase::RunBottomEdge() {
    const int bottomEdge = y() + kBallRadius;
    if (bottomEdge < 0) return;
    const int row = RowOf(bottomEdge);
    const int column = ColumnOf(x());
    if (row > kLastRow || !IsColumn(column)) return;  // below the grid, trailing edge included
    const int rightColumn = ColumnOf(x() + kBallRadius);
    const int leftColumn = ColumnOf(x() - kBallRadius);

    // B1: straight down onto the top face below the centre.
    if (dy() > 0 && Standing(row, column) && TopFaceExposed(row, column) && CrossedTopFace(row)) {
        Strike({row, column, false, 0, true}, false);
        return;
    }
    if (TryBottomEdgeColumn(row, rightColumn, true) || TryBottomEdgeColumn(row, leftColumn, false)) return;
    // A top-edge hit already dealt with this sub-step's side contact.
    if (tally_.topEdgeHit) return;
    TryTrailingEdge();
}
}  // namespace

void CollideTopEdge(GameSession& session, BlockHitTally& tally) { BlockPhase(session, tally).RunTopEdge(); }

void CollideBottomEdge(GameSession& session, BlockHitTally& tally) { BlockPhase(session, tally).RunBottomEdge(); }

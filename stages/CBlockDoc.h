// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/AllClearMessage.h"
#include "stages/Document.h"
#include "stages/StageSetView.h"

// One stage set: ten stages of 12 x 15 cells, a bonus-ball flag per stage,
// the all-clear message and a reserved area, plus the index of the stage
// that is played, shown and edited.
//
// A cell byte is a BlockKind with the BlockAlive bit (0x20) telling whether
// the block stands in the running session. Play only clears BlockAlive and
// advances silver cracks, so a stage's layout is never consumed.
inline constexpr int kStageCount = 10;
inline constexpr int kGridRows = 12;
inline constexpr int kGridColumns = 15;
inline constexpr int kCellsPerStage = kGridRows * kGridColumns;
inline constexpr int kReservedSize = 30;

inline constexpr std::int8_t BlockAlive = 0x20;

// Where a cell lies among its stage's cells, which run row by row.
constexpr int CellIndex(int column, int row) { return row * kGridColumns + column; }
using StageCells = std::span<std::int8_t, kCellsPerStage>;
using ConstStageCells = std::span<const std::int8_t, kCellsPerStage>;

namespace BlockKind {
inline constexpr std::int8_t Empty = 0;
inline constexpr std::int8_t FirstColour = 1;
inline constexpr std::int8_t LastColour = 12;
inline constexpr std::int8_t Gold = 13;
inline constexpr std::int8_t Silver = 14;
inline constexpr std::int8_t SilverCracked = 15;
inline constexpr std::int8_t SilverCrackedTwice = 16;
}  // namespace BlockKind

// A block the ball can still knock out: standing, and not gold.
constexpr bool IsStandingBreakable(std::int8_t cell) {
    return cell > 0 && (cell & BlockAlive) != 0 && (cell & ~BlockAlive) != BlockKind::Gold;
}

class CBlockDoc : public Document {
public:
    // Stage navigation.
    int NextStage();
    int PrevStage();
    int CurrentStage() const { return m_nStage; }

    // Operations on the current stage.
    int PrepareStage();
    int CountBlocks() const;
    bool IsLiveSilver(int column, int row) const;
    std::int8_t HitSilver(int column, int row);
    void KnockOut(int column, int row);
    void SetCell(int column, int row, int kind);
    std::int8_t Cell(int column, int row) const;

    // Any stage's cells, by CellIndex; and every stage's, stage after stage,
    // as the pattern file holds them.
    StageCells CellsOf(int stage);
    ConstStageCells CellsOf(int stage) const;
    std::span<std::int8_t> AllCells() { return m_cells; }
    std::span<const std::int8_t> AllCells() const { return m_cells; }
    bool BonusBall() const { return m_bonusBall[m_nStage] != 0; }

    // Editing.
    void ToggleBonusBall();
    void SetMessage(std::string_view text);
    void ClearStage();

    // Session restart on the first stage, after a set was created or loaded.
    void RestartAtFirstStage();

    // Zeroes cells, flags, reserved area and message.
    void DeleteContents() override;

    void SetModifiedFlag(bool modified = true) override { m_bModified = modified; }
    bool IsModified() const override { return m_bModified; }

    // Document hooks: the pattern file (CBlockDocFile.cpp) and the set's
    // best score (CBlockDocHighScore.cpp).
    bool OnNewDocument() override;
    bool OnOpenDocument(const std::string& path) override;
    bool OnSaveDocument(const std::string& path) override;
    bool CanCloseFrame() override;
    void OnLeavingTitle() override { SaveHighScore(); }
    void SaveHighScore();
    void LoadHighScore();

    // The first (and only) view: restarted by RestartAtFirstStage, repainted
    // by ClearStage, and holder of the set's best score.
    void AttachView(StageSetView* view) { m_pView = view; }
    StageSetView* View() const { return m_pView; }

    // The all-clear text: the bytes before the first zero, or the first 255
    // bytes of a field that holds no zero.
    std::string_view MessageText() const;

    int m_nStage = 0;
    std::array<std::uint8_t, kStageCount> m_bonusBall{};
    std::array<char, kMessageFieldBytes> m_message{};
    std::array<std::uint8_t, kReservedSize> m_reserved{};

private:
    std::int8_t& CellRef(int column, int row) { return CellsOf(m_nStage)[CellIndex(column, row)]; }

    std::array<std::int8_t, kStageCount * kCellsPerStage> m_cells{};

    bool m_bModified = false;
    StageSetView* m_pView = nullptr;
};

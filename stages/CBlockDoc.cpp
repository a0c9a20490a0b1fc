// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/CBlockDoc.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr std::int8_t WithoutAlive(std::int8_t value) {
    return static_cast<std::int8_t>(value & ~BlockAlive);
}
}  // namespace

int CBlockDoc::NextStage() {
    m_nStage = (m_nStage + 1) % kStageCount;
    return m_nStage;
}

int CBlockDoc::PrevStage() {
    m_nStage = std::max(m_nStage - 1, 0);
    return m_nStage;
}

StageCells CBlockDoc::CellsOf(int stage) {
    return StageCells(m_cells.data() + stage * kCellsPerStage, kCellsPerStage);
}

ConstStageCells CBlockDoc::CellsOf(int stage) const {
    return ConstStageCells(m_cells.data() + stage * kCellsPerStage, kCellsPerStage);
}

std::int8_t CBlockDoc::Cell(int column, int row) const { return CellsOf(m_nStage)[CellIndex(column, row)]; }

int CBlockDoc::PrepareStage() {
    int breakable = 0;
    for (std::int8_t& cell : CellsOf(m_nStage)) {
        std::int8_t value = WithoutAlive(cell);
        // Cracked silver left over from an interrupted game is fresh again.
        value = std::min(value, BlockKind::Silver);
        if (value > 0) {
            value |= BlockAlive;
            if (WithoutAlive(value) != BlockKind::Gold) ++breakable;
        }
        cell = value;
    }
    return breakable;
}

int CBlockDoc::CountBlocks() const {
    return static_cast<int>(std::ranges::count_if(CellsOf(m_nStage), [](std::int8_t cell) { return cell != 0; }));
}

bool CBlockDoc::IsLiveSilver(int column, int row) const {
    const std::int8_t cell = Cell(column, row);
    return (cell & BlockAlive) != 0 && WithoutAlive(cell) >= BlockKind::Silver;
}

std::int8_t CBlockDoc::HitSilver(int column, int row) {
    std::int8_t& cell = CellRef(column, row);
    cell = static_cast<std::int8_t>(cell + 1);
    // The third hit: the silver block falls, keeping its kind for the next start.
    if (cell == (BlockAlive | (BlockKind::SilverCrackedTwice + 1))) cell = BlockKind::Silver;
    return cell;
}

void CBlockDoc::KnockOut(int column, int row) {
    std::int8_t& cell = CellRef(column, row);
    cell = WithoutAlive(cell);
}

void CBlockDoc::SetCell(int column, int row, int kind) {
    CellRef(column, row) = kind > 0 ? static_cast<std::int8_t>(kind | BlockAlive) : 0;
}

void CBlockDoc::ToggleBonusBall() {
    std::uint8_t& flag = m_bonusBall[m_nStage];
    flag = flag == 0 ? 1 : 0;
    SetModifiedFlag();
}

void CBlockDoc::SetMessage(std::string_view text) {
    const std::size_t length = std::min(text.size(), kMessageLimitBytes);
    // Bytes after the terminating zero keep whatever an earlier message left.
    std::memcpy(m_message.data(), text.data(), length);
    m_message[length] = '\0';
    SetModifiedFlag();
}

void CBlockDoc::ClearStage() {
    std::ranges::fill(CellsOf(m_nStage), std::int8_t{0});
    m_bonusBall[m_nStage] = 0;
    SetModifiedFlag();
    if (m_pView != nullptr) m_pView->RepaintStage();
}

void CBlockDoc::RestartAtFirstStage() {
    m_nStage = 0;
    if (m_pView != nullptr) m_pView->RestartOnNewSet();
}

void CBlockDoc::DeleteContents() {
    std::ranges::fill(m_cells, std::int8_t{0});
    m_bonusBall.fill(0);
    m_reserved.fill(0);
    m_message.fill('\0');
}

std::string_view CBlockDoc::MessageText() const {
    const auto end = std::find(m_message.begin(), m_message.end() - 1, '\0');
    return {m_message.data(), static_cast<std::size_t>(end - m_message.begin())};
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/StageEdits.h"

#include <algorithm>

#include "engine/GameSession.h"

namespace {
auto StageBegin(CBlockDoc& doc, int stage) { return doc.m_cells.begin() + stage * kCellsPerStage; }
auto StageBegin(const CBlockDoc& doc, int stage) { return doc.m_cells.begin() + stage * kCellsPerStage; }
}  // namespace

StageContents CurrentStageContents(const CBlockDoc& doc) { return StageContentsOf(doc, doc.CurrentStage()); }

StageContents StageContentsOf(const CBlockDoc& doc, int stage) {
    StageContents contents;
    contents.stage = stage;
    std::copy_n(StageBegin(doc, contents.stage), kCellsPerStage, contents.cells.begin());
    contents.bonusBall = doc.m_bonusBall[contents.stage];
    return contents;
}

void RestoreStage(GameSession& session, const StageContents& contents) {
    CBlockDoc& doc = session.Doc();
    std::copy(contents.cells.begin(), contents.cells.end(), StageBegin(doc, contents.stage));
    doc.m_bonusBall[contents.stage] = contents.bonusBall;
    doc.SetModifiedFlag();
    if (doc.CurrentStage() == contents.stage) {
        session.InvalidateView();
        return;
    }
    // The change is shown where it happens, with the stage in the status bar.
    doc.m_nStage = contents.stage;
    session.StartGame();
}

void RestoreMessage(CBlockDoc& doc, const MessageField& field) {
    doc.m_message = field;
    doc.SetModifiedFlag();
}

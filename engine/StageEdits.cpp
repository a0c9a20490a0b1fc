// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/StageEdits.h"

#include <algorithm>

#include "engine/GameSession.h"

StageContents CurrentStageContents(const CBlockDoc& doc) { return StageContentsOf(doc, doc.CurrentStage()); }

StageContents StageContentsOf(const CBlockDoc& doc, int stage) {
    StageContents contents;
    contents.stage = stage;
    std::ranges::copy(doc.CellsOf(contents.stage), contents.cells.begin());
    contents.bonusBall = doc.m_bonusBall[contents.stage];
    return contents;
}

void RestoreStage(GameSession& session, const StageContents& contents) {
    CBlockDoc& doc = session.Doc();
    std::ranges::copy(contents.cells, doc.CellsOf(contents.stage).begin());
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

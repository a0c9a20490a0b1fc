// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "stages/CBlockDoc.h"

class GameSession;

// What one editor change of a stage touches, as it was before or after
// the change: the stage's cells and its bonus-ball flag.
struct StageContents {
    int stage = 0;
    std::array<std::int8_t, kCellsPerStage> cells{};
    std::uint8_t bonusBall = 0;
    friend bool operator==(const StageContents&, const StageContents&) = default;
};

using MessageField = std::array<char, kMessageFieldBytes>;

StageContents StageContentsOf(const CBlockDoc& doc, int stage);
StageContents CurrentStageContents(const CBlockDoc& doc);

// Undo and redo: puts a stage back as it was and shows it in the editor,
// moving to it when another stage is current. The set stays modified, for
// the file still differs from what was saved.
void RestoreStage(GameSession& session, const StageContents& contents);
// The whole message field, its tail after the text included.
void RestoreMessage(CBlockDoc& doc, const MessageField& field);

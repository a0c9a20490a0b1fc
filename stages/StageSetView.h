// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// What the stage set tells the view that plays and edits it. The set knows
// nothing more of the game than this.
class StageSetView {
public:
    virtual ~StageSetView() = default;

    // A set was created or opened and its first stage is current: the game
    // starts again there, and nothing done to the set before carries over.
    virtual void RestartOnNewSet() = 0;
    // The current stage changed as a whole: repaint the view after erasing it.
    virtual void RepaintStage() = 0;

    // The set's best score is kept by the game that plays it.
    virtual std::uint16_t HighScore() const = 0;
    virtual void SetHighScore(std::uint16_t score) = 0;
};

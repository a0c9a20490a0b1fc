// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "stages/StageSetView.h"

class GameSession;

// The game session as the stage set's view, for a session that runs
// without the playfield window (tools, tests): a new set restarts the game,
// a repaint is the session's own.
class SessionStageSetView : public StageSetView {
public:
    explicit SessionStageSetView(GameSession& session) : session_(&session) {}

    void RestartOnNewSet() override;
    void RepaintStage() override;
    std::uint16_t HighScore() const override;
    void SetHighScore(std::uint16_t score) override;

private:
    GameSession* session_;
};

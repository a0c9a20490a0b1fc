// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QStatusBar>

#include "engine/StatusPanes.h"

class QLabel;

// The status bar of the four game indicators and an empty pane that takes
// the rest of the width. The bar belongs to the game alone: no menu prompts
// or idle texts are written into it.
class GameStatusBar : public QStatusBar, public StatusPanes {
    Q_OBJECT
public:
    enum Pane { StagePane, HighScorePane, ScorePane, BallsLeftPane, PaneCount };

    explicit GameStatusBar(QWidget* parent);

    QLabel* PaneLabel(Pane pane) const { return panes_[pane]; }

    // StatusPanes: each sets its pane's text and shows it at once.
    void ShowStage(int stageIndex) override;
    void ShowHighScore(std::uint16_t value) override;
    void ShowScore(std::uint16_t value) override;
    void ShowBallsLeft(int ballsLeft) override;

signals:
    // The stage shown changed; what depends on the stage may change with it.
    void stageShown();

private:
    void SetPaneText(Pane pane, const std::string& text);

    std::array<QLabel*, PaneCount> panes_{};
};

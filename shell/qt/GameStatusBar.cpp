// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/GameStatusBar.h"

#include <QFontDatabase>
#include <QLabel>

#include "engine/StatusTexts.h"

namespace {
// Room either side of a pane's text inside its sunken frame.
constexpr int kPanePadding = 8;

// The panes pad their numbers with spaces, so every character must take
// the same width: a Japanese face with fixed-width digits and spaces, so
// the digits come from the same face as the words around them.
QFont PaneFont() {
    QFont font(QStringLiteral("IPAGothic"));
    if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return font;
}
}  // namespace

GameStatusBar::GameStatusBar(QWidget* parent) : QStatusBar(parent) {
    setFont(PaneFont());
    setSizeGripEnabled(false);  // the window is never resized by hand
    const std::array<const char*, PaneCount> sizingTexts = {
        StatusTexts::kStageSizing, StatusTexts::kHighScoreSizing, StatusTexts::kScoreSizing,
        StatusTexts::kBallsLeftSizing};
    for (int pane = 0; pane < PaneCount; ++pane) {
        auto* label = new QLabel(QString::fromUtf8(sizingTexts[pane]), this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setFixedWidth(label->fontMetrics().horizontalAdvance(label->text()) + 2 * kPanePadding);
        label->setIndent(kPanePadding);
        addWidget(label);
        panes_[pane] = label;
    }
    addWidget(new QLabel(this), 1);  // pane 4: no border, the rest of the bar
}

void GameStatusBar::SetPaneText(Pane pane, const std::string& text) {
    panes_[pane]->setText(QString::fromStdString(text));
    panes_[pane]->repaint();
}

void GameStatusBar::ShowStage(int stageIndex) {
    SetPaneText(StagePane, StatusTexts::Stage(stageIndex));
    emit stageShown();
}

void GameStatusBar::ShowHighScore(std::uint16_t value) { SetPaneText(HighScorePane, StatusTexts::HighScore(value)); }

void GameStatusBar::ShowScore(std::uint16_t value) { SetPaneText(ScorePane, StatusTexts::Score(value)); }

void GameStatusBar::ShowBallsLeft(int ballsLeft) { SetPaneText(BallsLeftPane, StatusTexts::BallsLeft(ballsLeft)); }

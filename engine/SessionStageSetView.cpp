// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/SessionStageSetView.h"

#include "engine/GameSession.h"

void SessionStageSetView::RestartOnNewSet() { session_->StartGame(); }

void SessionStageSetView::RepaintStage() { session_->InvalidateView(); }

std::uint16_t SessionStageSetView::HighScore() const { return session_->State().highScore; }

void SessionStageSetView::SetHighScore(std::uint16_t score) { session_->SetHighScore(score); }

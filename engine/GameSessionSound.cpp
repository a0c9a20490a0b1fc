// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GameSession.h"

#include "engine/SessionHost.h"

std::optional<MusicScene> GameSession::ModeMusic() const {
    switch (state_.mode) {
    case GameMode::Demo: return MusicScene::Demo;
    case GameMode::Play: return MusicScene::Play;
    case GameMode::Editor: break;
    }
    return std::nullopt;
}

void GameSession::ShowSoundMessage(std::string_view text, MessageIcon icon) { host_->ShowMessage(text, icon); }

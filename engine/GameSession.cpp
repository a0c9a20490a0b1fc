// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GameSession.h"

#include <algorithm>

#include "base/Cp932.h"
#include "base/StringTable.h"
#include "engine/BallStep.h"
#include "engine/PaddleTarget.h"
#include "engine/SessionPlatform.h"
#include "engine/SessionTexts.h"
#include "stages/CBlockDoc.h"

GameSession::GameSession(CBlockDoc& doc, SessionPlatform& platform)
    : doc_(&doc), platform_(&platform), stepBall_(&StepBall) {}

void GameSession::StartGame() {
    score = 0;
    ballsLeft = kStartingBalls;
    if (mode == GameMode::Editor) {
        if (timerRunning) {
            platform_->KillGameTimer();
            timerRunning = false;
        }
        platform_->StopMusic();
    } else {
        // An empty stage is the designer's business: say so and play it anyway.
        if (doc_->CountBlocks() == 0)
            platform_->ShowMessage(LoadString(StringId::NoBlocks), MessageIcon::Exclamation);
        if (mode == GameMode::Demo) platform_->PlayMusic(MusicScene::Demo);
        random_.Seed(platform_->TickCount());
        ServeBall();
        if (!timerRunning) {
            if (!platform_->SetGameTimer()) {
                // Without a tick nothing can move; the view closes and the program with it.
                platform_->ShowMessage(SessionTexts::kNoTimer, MessageIcon::Stop);
                platform_->DestroyView();
            } else {
                timerRunning = true;
            }
        }
    }
    InvalidateView();
    RefreshStage();
}

void GameSession::ServeBall() {
    ballX = paddleX;
    ballY = Playfield::kBallRestY;
    ballDX = Playfield::kServeDX;
    ballDY = Playfield::kServeDY;
    switch (mode) {
    case GameMode::Demo:
        ballState = BallState::InFlight;
        break;
    case GameMode::Play:
        ballState = BallState::Serving;
        platform_->PlayMusic(MusicScene::Play);
        break;
    case GameMode::Editor:
        break;
    }
}

void GameSession::RefreshStage() {
    blocksLeft = doc_->PrepareStage();
    platform_->ShowStage(doc_->CurrentStage());
    platform_->ShowHighScore(highScore);
    platform_->ShowScore(score);
    platform_->ShowBallsLeft(ballsLeft);
}

void GameSession::LaunchBall() { ballState = BallState::InFlight; }

void GameSession::TogglePause() {
    ballState = ballState == BallState::Paused ? BallState::InFlight : BallState::Paused;
}

void GameSession::ChooseMode(GameMode newMode) {
    if (mode == newMode) return;
    mode = newMode;
    StartGame();
}

void GameSession::MovePaddle(int x) {
    platform_->MovePaddleSprite(paddleX, x);
    paddleX = x;
}

void GameSession::MoveServingBall(int x) {
    platform_->MoveServingBallSprite(ballX, x);
    ballX = x;
}

void GameSession::InvalidateView() { platform_->InvalidateView(); }

void GameSession::MovePaddleForTick(int lowest, int highest) {
    const int x = std::clamp(PaddleTarget(*this, platform_->ReadPaddleInput()), lowest, highest);
    if (x != paddleX) MovePaddle(x);
}

bool GameSession::OnGameTick(int timerId) {
    if (mode == GameMode::Editor) return true;
    if (busy) return true;  // a message box of an earlier tick is still open
    if (timerId != kTimerId) return false;

    if (ballState != BallState::InFlight) {
        MovePaddleForTick(Playfield::kPaddleMinX, Playfield::kPaddleMaxX);
        // The resting ball follows the paddle every tick, moved or not.
        if (ballState == BallState::Serving) MoveServingBall(paddleX);
        return true;
    }

    MovePaddleForTick(Playfield::kFlightPaddleMinX, Playfield::kFlightPaddleMaxX);
    const StepOutcome outcome = stepBall_(*this);
    if (effectsEnabled && lastEvent != SoundEvent::None) platform_->PlayEffect(lastEvent);

    if (outcome == StepOutcome::BallLost) OnBallLost();
    if (outcome == StepOutcome::StageCleared) OnStageCleared();
    return true;
}

void GameSession::OnBallLost() {
    if (mode == GameMode::Play) --ballsLeft;
    if (ballsLeft == 0) {
        busy = true;
        platform_->PlayMusic(MusicScene::GameOver);
        platform_->ShowMessage(SessionTexts::kGameOver, MessageIcon::Information);
        StartGame();  // the same stage again, with score 0 and three balls
        busy = false;
        return;
    }
    ServeBall();
    platform_->ShowBallsLeft(ballsLeft);
}

void GameSession::OnStageCleared() {
    const bool bonus = doc_->BonusBall();
    if (mode != GameMode::Demo) {
        busy = true;
        if (doc_->NextStage() == 0)
            platform_->ShowMessage(Cp932ToUtf8(doc_->MessageText()), MessageIcon::Information);
        if (bonus) {
            platform_->ShowMessage(SessionTexts::kBonusBall, MessageIcon::Information);
            ballsLeft = std::min(ballsLeft + 1, kMostBalls);
        }
        busy = false;
    }
    RefreshStage();
    ServeBall();
    InvalidateView();
}

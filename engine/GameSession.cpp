// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GameSession.h"

#include <algorithm>

#include "base/Cp932.h"
#include "base/StringTable.h"
#include "engine/BallStep.h"
#include "engine/PaddleTarget.h"
#include "engine/PlayfieldCanvas.h"
#include "engine/SessionHost.h"
#include "engine/StatusPanes.h"
#include "sound/SoundCues.h"
#include "engine/SessionTexts.h"
#include "stages/CBlockDoc.h"

namespace {
// A session's panes and sound before the window and the sound are there.
class NoPanes : public StatusPanes {
public:
    void ShowStage(int) override {}
    void ShowHighScore(std::uint16_t) override {}
    void ShowScore(std::uint16_t) override {}
    void ShowBallsLeft(int) override {}
};
class NoSound : public SoundCues {
public:
    void PlayEffect(SoundEvent) override {}
    void PlayMusic(MusicScene) override {}
    void StopMusic() override {}
};
NoPanes noPanes;
NoSound noSound;
}  // namespace

GameSession::GameSession(CBlockDoc& doc, SessionHost& host, PlayfieldCanvas& canvas)
    : doc_(&doc), host_(&host), canvas_(&canvas), panes_(&noPanes), sound_(&noSound), stepBall_(&StepBall) {}

void GameSession::StartGame() {
    score = 0;
    ballsLeft = kStartingBalls;
    if (mode == GameMode::Editor) {
        if (timerRunning) {
            host_->KillGameTimer();
            timerRunning = false;
        }
        sound_->StopMusic();
    } else {
        // An empty stage is the designer's business: say so and play it anyway.
        if (doc_->CountBlocks() == 0)
            host_->ShowMessage(LoadString(StringId::NoBlocks), MessageIcon::Exclamation);
        if (mode == GameMode::Demo) sound_->PlayMusic(MusicScene::Demo);
        random_.Seed(host_->TickCount());
        ServeBall();
        if (!timerRunning) {
            if (!host_->SetGameTimer()) {
                // Without a tick nothing can move; the view closes and the program with it.
                host_->ShowMessage(SessionTexts::kNoTimer, MessageIcon::Stop);
                host_->DestroyView();
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
        sound_->PlayMusic(MusicScene::Play);
        break;
    case GameMode::Editor:
        break;
    }
}

void GameSession::RefreshStage() {
    blocksLeft = doc_->PrepareStage();
    panes_->ShowStage(doc_->CurrentStage());
    panes_->ShowHighScore(highScore);
    panes_->ShowScore(score);
    panes_->ShowBallsLeft(ballsLeft);
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
    canvas_->MovePaddleSprite(paddleX, x);
    paddleX = x;
}

void GameSession::MoveServingBall(int x) {
    canvas_->MoveServingBallSprite(ballX, x);
    ballX = x;
}

void GameSession::InvalidateView() { canvas_->InvalidateView(); }

void GameSession::MovePaddleForTick(int lowest, int highest) {
    const int x = std::clamp(PaddleTarget(*this, host_->ReadPaddleInput()), lowest, highest);
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
    if (effectsEnabled && lastEvent != SoundEvent::None) sound_->PlayEffect(lastEvent);

    if (outcome == StepOutcome::BallLost) OnBallLost();
    if (outcome == StepOutcome::StageCleared) OnStageCleared();
    return true;
}

void GameSession::OnBallLost() {
    if (mode == GameMode::Play) --ballsLeft;
    if (ballsLeft == 0) {
        busy = true;
        sound_->PlayMusic(MusicScene::GameOver);
        host_->ShowMessage(SessionTexts::kGameOver, MessageIcon::Information);
        StartGame();  // the same stage again, with score 0 and three balls
        busy = false;
        return;
    }
    ServeBall();
    panes_->ShowBallsLeft(ballsLeft);
}

void GameSession::OnStageCleared() {
    const bool bonus = doc_->BonusBall();
    if (mode != GameMode::Demo) {
        busy = true;
        if (doc_->NextStage() == 0)
            host_->ShowMessage(Cp932ToUtf8(doc_->MessageText()), MessageIcon::Information);
        if (bonus) {
            host_->ShowMessage(SessionTexts::kBonusBall, MessageIcon::Information);
            ballsLeft = std::min(ballsLeft + 1, kMostBalls);
        }
        busy = false;
    }
    RefreshStage();
    ServeBall();
    InvalidateView();
}

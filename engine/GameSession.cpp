// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GameSession.h"

#include <algorithm>

#include "base/Cp932.h"
#include "base/StringTable.h"
#include "engine/BallFlight.h"
#include "engine/BallStep.h"
#include "engine/PaddleTarget.h"
#include "engine/PlayfieldCanvas.h"
#include "engine/SessionHost.h"
#include "engine/SessionTexts.h"
#include "engine/StatusPanes.h"
#include "sound/SoundCues.h"
#include "stages/CBlockDoc.h"

namespace {
// A session's panes and sound before the window and the sound are there.
NoStatusPanes noPanes;
NoSoundCues noSound;
}  // namespace

GameSession::GameSession(CBlockDoc& doc, SessionHost& host, PlayfieldCanvas& canvas)
    : doc_(&doc), host_(&host), canvas_(&canvas), panes_(&noPanes), sound_(&noSound), stepBall_(&StepBall) {}

void GameSession::StartGame() {
    state_.score = 0;
    state_.ballsLeft = kStartingBalls;
    if (state_.mode == GameMode::Editor) {
        StopTimer();
        sound_->StopMusic();
    } else {
        // An empty stage is the designer's business: say so and play it anyway.
        if (doc_->CountBlocks() == 0)
            host_->ShowMessage(LoadString(StringId::NoBlocks), MessageIcon::Exclamation);
        if (state_.mode == GameMode::Demo) sound_->PlayMusic(MusicScene::Demo);
        random_.Seed(host_->TickCount());
        ServeBall();
        if (!state_.timerRunning) {
            if (!host_->SetGameTimer()) {
                // Without a tick nothing can move; the view closes and the program with it.
                host_->ShowMessage(SessionTexts::kNoTimer, MessageIcon::Stop);
                host_->DestroyView();
            } else {
                state_.timerRunning = true;
            }
        }
    }
    InvalidateView();
    RefreshStage();
}

void GameSession::ServeBall() {
    state_.PutBallOnPaddle();
    switch (state_.mode) {
    case GameMode::Demo:
        state_.ballState = BallState::InFlight;
        break;
    case GameMode::Play:
        state_.ballState = BallState::Serving;
        sound_->PlayMusic(MusicScene::Play);
        break;
    case GameMode::Editor:
        break;
    }
}

void GameSession::RefreshStage() {
    state_.blocksLeft = doc_->PrepareStage();
    panes_->ShowStage(doc_->CurrentStage());
    panes_->ShowHighScore(state_.highScore);
    panes_->ShowScore(state_.score);
    panes_->ShowBallsLeft(state_.ballsLeft);
}

void GameSession::LaunchBall() { state_.ballState = BallState::InFlight; }

void GameSession::TogglePause() {
    state_.ballState = state_.ballState == BallState::Paused ? BallState::InFlight : BallState::Paused;
}

void GameSession::Pause() { state_.ballState = BallState::Paused; }

void GameSession::StopTimer() {
    if (!state_.timerRunning) return;
    host_->KillGameTimer();
    state_.timerRunning = false;
}

void GameSession::SetControl(bool keyboard, bool hideCursor) {
    state_.keyboardControl = keyboard;
    state_.hideCursor = hideCursor;
}

void GameSession::ChooseMode(GameMode newMode) {
    if (state_.mode == newMode) return;
    state_.mode = newMode;
    StartGame();
}

void GameSession::MovePaddle(int x) {
    canvas_->MovePaddleSprite(state_.paddleX, x);
    state_.paddleX = x;
}

void GameSession::MoveServingBall(int x) {
    canvas_->MoveServingBallSprite(state_.ballX, x);
    state_.ballX = x;
}

void GameSession::InvalidateView() { canvas_->InvalidateView(); }

void GameSession::MovePaddleForTick(int lowest, int highest) {
    const int x = std::clamp(PaddleTarget(*this, host_->ReadPaddleInput()), lowest, highest);
    if (x != state_.paddleX) MovePaddle(x);
}

bool GameSession::OnGameTick(int timerId) {
    if (state_.mode == GameMode::Editor) return true;
    if (state_.busy) return true;  // a message box of an earlier tick is still open
    if (timerId != kTimerId) return false;

    if (state_.ballState != BallState::InFlight) {
        MovePaddleForTick(Playfield::kPaddleMinX, Playfield::kPaddleMaxX);
        // The resting ball follows the paddle every tick, moved or not.
        if (state_.ballState == BallState::Serving) MoveServingBall(state_.paddleX);
        return true;
    }

    MovePaddleForTick(Playfield::kFlightPaddleMinX, Playfield::kFlightPaddleMaxX);
    BallFlight flight{state_, *doc_, random_, *canvas_, *panes_, &lastPath_};
    const StepOutcome outcome = stepBall_(flight);
    if (state_.effectsEnabled && state_.lastEvent != SoundEvent::None) sound_->PlayEffect(state_.lastEvent);

    if (outcome == StepOutcome::BallLost) OnBallLost();
    if (outcome == StepOutcome::StageCleared) OnStageCleared();
    return true;
}

void GameSession::OnBallLost() {
    if (state_.mode == GameMode::Play) --state_.ballsLeft;
    if (state_.ballsLeft == 0) {
        state_.busy = true;
        sound_->PlayMusic(MusicScene::GameOver);
        host_->ShowMessage(SessionTexts::kGameOver, MessageIcon::Information);
        StartGame();  // the same stage again, with score 0 and three balls
        state_.busy = false;
        return;
    }
    ServeBall();
    panes_->ShowBallsLeft(state_.ballsLeft);
}

void GameSession::OnStageCleared() {
    const bool bonus = doc_->BonusBall();
    if (state_.mode != GameMode::Demo) {
        state_.busy = true;
        if (doc_->NextStage() == 0)
            host_->ShowMessage(Cp932ToUtf8(doc_->MessageText()), MessageIcon::Information);
        if (bonus) {
            host_->ShowMessage(SessionTexts::kBonusBall, MessageIcon::Information);
            state_.ballsLeft = std::min(state_.ballsLeft + 1, kMostBalls);
        }
        state_.busy = false;
    }
    RefreshStage();
    ServeBall();
    InvalidateView();
}

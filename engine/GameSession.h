// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

#include "engine/ClassicRandom.h"
#include "engine/GameTypes.h"
#include "engine/Playfield.h"
#include "sound/SoundGame.h"

class CBlockDoc;
class GameSession;
class PlayfieldCanvas;
class SessionHost;
class SoundCues;
class StatusPanes;

// Advances a flying ball through one tick; the real one is StepBall.
using BallStepper = std::function<StepOutcome(GameSession&)>;

// The one game that runs in the playfield view: mode, ball, paddle, lives,
// score and stage progression, driven by a 50 ms tick.
class GameSession : public SoundGame {
public:
    static constexpr int kTimerId = 1;
    static constexpr int kTimerPeriodMs = 50;
    static constexpr int kStartingBalls = 3;
    static constexpr int kMostBalls = 50;

    // The session draws on the canvas and asks the host for its tick, input
    // and message boxes; until panes and sound are attached it shows no
    // indicators and makes no sound.
    GameSession(CBlockDoc& doc, SessionHost& host, PlayfieldCanvas& canvas);
    void AttachPanes(StatusPanes& panes) { panes_ = &panes; }
    void AttachSound(SoundCues& sound) { sound_ = &sound; }

    // Session operations.
    void StartGame();
    void ServeBall();
    void RefreshStage();
    void LaunchBall();
    void TogglePause();
    // Handles a timer message; false when it is not the session's timer.
    bool OnGameTick(int timerId);

    // The mode commands: choosing the current mode does nothing.
    void ChooseMode(GameMode newMode);

    // Sprite moves that also update the session's positions.
    void MovePaddle(int x);
    void MoveServingBall(int x);

    void InvalidateView();

    CBlockDoc& Doc() const { return *doc_; }
    SessionHost& Host() const { return *host_; }
    PlayfieldCanvas& Canvas() const { return *canvas_; }
    StatusPanes& Panes() const { return *panes_; }
    SoundCues& Sound() const { return *sound_; }
    ClassicRandom& Random() { return random_; }

    // Lets tests drive the tick with scripted outcomes.
    void SetBallStepper(BallStepper stepper) { stepBall_ = std::move(stepper); }

    // The game as its sound sees it: the two switches below, the mode's
    // music and the platform's message box.
    bool MusicOn() const override { return musicEnabled; }
    void SetMusicOn(bool on) override { musicEnabled = on; }
    bool EffectsOn() const override { return effectsEnabled; }
    void SetEffectsOn(bool on) override { effectsEnabled = on; }
    std::optional<MusicScene> ModeMusic() const override;
    void ShowSoundMessage(std::string_view text, MessageIcon icon) override;

    GameMode mode = GameMode::Play;
    BallState ballState = BallState::Serving;
    int paddleX = Playfield::kServeX;
    int ballX = Playfield::kServeX;
    int ballY = Playfield::kBallRestY;
    int ballDX = Playfield::kServeDX;  // ServeBall sets both again
    int ballDY = Playfield::kServeDY;
    int speed = 1;
    int blocksLeft = 20000;
    int ballsLeft = kStartingBalls;
    std::uint16_t score = 0;
    std::uint16_t highScore = 0;
    SoundEvent lastEvent = SoundEvent::None;
    bool busy = false;  // a message box raised by a tick is open
    bool timerRunning = false;
    bool keyboardControl = false;
    bool hideCursor = false;
    bool musicEnabled = false;
    bool effectsEnabled = false;

private:
    void MovePaddleForTick(int lowest, int highest);
    void OnBallLost();
    void OnStageCleared();

    CBlockDoc* doc_;
    SessionHost* host_;
    PlayfieldCanvas* canvas_;
    StatusPanes* panes_;
    SoundCues* sound_;
    ClassicRandom random_;
    BallStepper stepBall_;
};

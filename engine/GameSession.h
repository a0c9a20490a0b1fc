// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

#include "engine/BallPath.h"
#include "engine/ClassicRandom.h"
#include "engine/GameTypes.h"
#include "engine/Playfield.h"
#include "engine/SessionState.h"
#include "sound/SoundGame.h"

class CBlockDoc;
struct BallFlight;
class PlayfieldCanvas;
class SessionHost;
class SoundCues;
class StatusPanes;

// Advances a flying ball through one tick; the real one is StepBall.
using BallStepper = std::function<StepOutcome(BallFlight&)>;

// The one game that runs in the playfield view: mode, ball, paddle, lives,
// score and stage progression, driven by a 50 ms tick.
class GameSession : public SoundGame {
public:
    static constexpr int kTimerId = 1;
    static constexpr int kTimerPeriodMs = 50;
    static constexpr int kStartingBalls = SessionState::kStartingBalls;
    static constexpr int kMostBalls = 50;

    // The session draws on the canvas and asks the host for its tick, input
    // and message boxes; until panes and sound are attached it shows no
    // indicators and makes no sound.
    GameSession(CBlockDoc& doc, SessionHost& host, PlayfieldCanvas& canvas);
    void AttachPanes(StatusPanes& panes) { panes_ = &panes; }
    void AttachSound(SoundCues& sound) { sound_ = &sound; }

    // The game as it stands.
    const SessionState& State() const { return state_; }
    // Goes on from a state saved earlier or made by hand (a trace scenario,
    // a test's scene) as if play had got there.
    void Restore(const SessionState& state) { state_ = state; }

    // Session operations.
    void StartGame();
    void ServeBall();
    void RefreshStage();
    void LaunchBall();
    void TogglePause();
    // The right button: the ball stops, in flight or on the paddle.
    void Pause();
    // Stops the tick: for good as the view goes, and while the editor is on.
    void StopTimer();
    // Handles a timer message; false when it is not the session's timer.
    bool OnGameTick(int timerId);

    // The mode commands: choosing the current mode does nothing.
    void ChooseMode(GameMode newMode);

    // The options: speed 0 (slow) to 3 (turbo), and what steers the paddle.
    void SetSpeed(int speed) { state_.speed = speed; }
    void SetControl(bool keyboard, bool hideCursor);
    // The best score of the set, as the document reads it.
    void SetHighScore(std::uint16_t score) { state_.highScore = score; }

    // Sprite moves that also update the session's positions.
    void MovePaddle(int x);
    void MoveServingBall(int x);

    void InvalidateView();

    CBlockDoc& Doc() const { return *doc_; }
    SoundCues& Sound() const { return *sound_; }
    ClassicRandom& Random() { return random_; }

    // The places the ball passed through in the last tick that moved it.
    const BallPath& LastPath() const { return lastPath_; }

    // Lets tests drive the tick with scripted outcomes.
    void SetBallStepper(BallStepper stepper) { stepBall_ = std::move(stepper); }

    // The game as its sound sees it: the two switches below, the mode's
    // music and the platform's message box.
    bool MusicOn() const override { return state_.musicEnabled; }
    void SetMusicOn(bool on) override { state_.musicEnabled = on; }
    bool EffectsOn() const override { return state_.effectsEnabled; }
    void SetEffectsOn(bool on) override { state_.effectsEnabled = on; }
    std::optional<MusicScene> ModeMusic() const override;
    void ShowSoundMessage(std::string_view text, MessageIcon icon) override;

private:
    void MovePaddleForTick(int lowest, int highest);
    void OnBallLost();
    void OnStageCleared();

    SessionState state_;
    CBlockDoc* doc_;
    SessionHost* host_;
    PlayfieldCanvas* canvas_;
    StatusPanes* panes_;
    SoundCues* sound_;
    ClassicRandom random_;
    BallStepper stepBall_;
    BallPath lastPath_;
};

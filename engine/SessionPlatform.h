// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

#include "engine/GameTypes.h"
#include "engine/PaddleTarget.h"

// Everything the game session asks of the world around it: the view's
// drawing, timer and message boxes, the status panes, sound, the clock and
// the device counts. The playfield view implements it; tests record it.
class SessionPlatform {
public:
    virtual ~SessionPlatform() = default;

    // A modal message box that returns when the user closes it. Texts are UTF-8.
    virtual void ShowMessage(std::string_view text, MessageIcon icon) = 0;

    // Timer 1: a 50 ms periodic tick. Setting it can fail.
    virtual bool SetGameTimer() = 0;
    virtual void KillGameTimer() = 0;

    // Repaint the whole view after erasing it to the background.
    virtual void InvalidateView() = 0;
    virtual void DestroyView() = 0;

    // Incremental drawing.
    virtual void DrawCell(int column, int row) = 0;
    virtual void MovePaddleSprite(int oldX, int newX) = 0;
    virtual void MoveServingBallSprite(int oldX, int newX) = 0;
    virtual void MoveBallSprite(Point oldCentre, Point newCentre) = 0;
    virtual void EraseBallSquare(Point centre) = 0;

    // Status panes.
    virtual void ShowStage(int stageIndex) = 0;
    virtual void ShowHighScore(std::uint16_t value) = 0;
    virtual void ShowScore(std::uint16_t value) = 0;
    virtual void ShowBallsLeft(int ballsLeft) = 0;

    // Sound. PlayMusic does nothing while music is off.
    virtual void PlayEffect(SoundEvent event) = 0;
    virtual void PlayMusic(MusicScene scene) = 0;
    virtual void StopMusic() = 0;

    // Input sampled once per tick for the paddle.
    virtual PaddleInput ReadPaddleInput() = 0;

    virtual std::uint32_t TickCount() = 0;
    virtual int MidiOutputCount() = 0;
    virtual int WaveOutputCount() = 0;
};

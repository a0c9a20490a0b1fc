// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/GameSession.h"
#include "engine/PlayfieldCanvas.h"
#include "engine/SessionHost.h"
#include "engine/StatusPanes.h"
#include "sound/OutputDevices.h"
#include "sound/SoundCues.h"

// Records every effect the session asks for, through any of its seams, as
// short readable lines in one log, so tests can check what happened and in
// which order.
class FakePlatform : public SessionHost,
                     public PlayfieldCanvas,
                     public StatusPanes,
                     public SoundCues,
                     public OutputDevices {
public:
    // The session reports to this fake alone.
    void Serve(GameSession& session) {
        session.AttachPanes(*this);
        session.AttachSound(*this);
    }

    std::vector<std::string> log;

    bool timerCanBeSet = true;
    std::uint32_t tickCount = 12345;
    int midiDevices = 1;
    int waveDevices = 1;
    PaddleInput input;
    // Runs while a message box is "open", as the nested event loop would.
    std::function<void()> whileMessageShown;
    bool recordDrawing = false;  // sprite and cell drawing is noisy; off by default

    void ShowMessage(std::string_view text, MessageIcon icon) override {
        log.push_back("message " + std::string(text) + " " + IconName(icon));
        if (whileMessageShown) whileMessageShown();
    }
    bool SetGameTimer() override {
        log.push_back(timerCanBeSet ? "set timer" : "set timer failed");
        return timerCanBeSet;
    }
    void KillGameTimer() override { log.push_back("kill timer"); }
    void InvalidateView() override { log.push_back("invalidate"); }
    void DestroyView() override { log.push_back("destroy view"); }

    void DrawCell(int column, int row) override {
        Draw("cell " + std::to_string(row) + ":" + std::to_string(column));
    }
    void MovePaddleSprite(int oldX, int newX) override {
        Draw("paddle " + std::to_string(oldX) + "->" + std::to_string(newX));
    }
    void MoveServingBallSprite(int oldX, int newX) override {
        Draw("serving ball " + std::to_string(oldX) + "->" + std::to_string(newX));
    }
    void MoveBallSprite(Point oldCentre, Point newCentre) override {
        Draw("ball " + PointText(oldCentre) + "->" + PointText(newCentre));
    }
    void EraseBallSquare(Point centre) override { Draw("erase ball " + PointText(centre)); }

    void ShowStage(int stageIndex) override { log.push_back("stage " + std::to_string(stageIndex)); }
    void ShowHighScore(std::uint16_t value) override { log.push_back("high " + std::to_string(value)); }
    void ShowScore(std::uint16_t value) override { log.push_back("score " + std::to_string(value)); }
    void ShowBallsLeft(int ballsLeft) override { log.push_back("balls " + std::to_string(ballsLeft)); }

    void PlayEffect(SoundEvent event) override {
        log.push_back("effect " + std::to_string(static_cast<int>(event)));
    }
    void PlayMusic(MusicScene scene) override { log.push_back("music " + SceneName(scene)); }
    void StopMusic() override { log.push_back("stop music"); }

    PaddleInput ReadPaddleInput() override { return input; }
    std::uint32_t TickCount() override { return tickCount; }
    int MidiOutputCount() const override { return midiDevices; }
    int WaveOutputCount() const override { return waveDevices; }

private:
    void Draw(std::string line) {
        if (recordDrawing) log.push_back(std::move(line));
    }
    static std::string PointText(Point p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }
    // In the order of the enumerations.
    static std::string IconName(MessageIcon icon) {
        return std::array{"[information]", "[exclamation]", "[stop]"}.at(static_cast<std::size_t>(icon));
    }
    static std::string SceneName(MusicScene scene) {
        return std::array{"Demo", "Play", "GameOver"}.at(static_cast<std::size_t>(scene));
    }
};

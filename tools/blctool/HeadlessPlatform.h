#pragma once

#include "engine/SessionPlatform.h"
#include "engine/Playfield.h"

// A session platform with no window: drawing, panes, sound and message
// boxes go nowhere, the timer always starts, the clock reads a fixed seed
// (so StartGame seeds the game's generator with it), and the mouse pointer
// is wherever the player last put it.
class HeadlessPlatform : public SessionPlatform {
public:
    explicit HeadlessPlatform(std::uint32_t seed) : seed_(seed) {}

    // Puts the pointer over playfield x at 100 % zoom, where one pixel is one unit.
    void PointAt(int playfieldX) { pointerClientX_ = playfieldX + Playfield::kFrame; }

    void ShowMessage(std::string_view, MessageIcon) override {}
    bool SetGameTimer() override { return true; }
    void KillGameTimer() override {}
    void InvalidateView() override {}
    void DestroyView() override {}
    void DrawCell(int, int) override {}
    void MovePaddleSprite(int, int) override {}
    void MoveServingBallSprite(int, int) override {}
    void MoveBallSprite(Point, Point) override {}
    void EraseBallSquare(Point) override {}
    void ShowStage(int) override {}
    void ShowHighScore(std::uint16_t) override {}
    void ShowScore(std::uint16_t) override {}
    void ShowBallsLeft(int) override {}
    void PlayEffect(SoundEvent) override {}
    void PlayMusic(MusicScene) override {}
    void StopMusic() override {}
    PaddleInput ReadPaddleInput() override { return {false, false, false, pointerClientX_, kFullZoom}; }
    std::uint32_t TickCount() override { return seed_; }
    int MidiOutputCount() override { return 0; }
    int WaveOutputCount() override { return 0; }

private:
    static constexpr int kFullZoom = 4;
    std::uint32_t seed_ = 0;
    int pointerClientX_ = 0;
};

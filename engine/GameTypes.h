#pragma once

#include <cstdint>

enum class GameMode { Play = 0, Demo = 1, Editor = 2 };

enum class BallState { InFlight = 0, Serving = 1, Paused = 2 };

enum class StepOutcome { BallLost = 0, BallInPlay = 1, StageCleared = 2 };

// The tick's collision event; its value minus one is the effect slot.
enum class SoundEvent : int {
    None = 0,
    PaddleTop = 1,
    PaddleSide = 2,
    Frame = 3,
    NormalBlock = 4,
    GoldBlock = 5,
    SilverBlock = 6,
    Fail = 7,
};
inline constexpr int kSoundEventCount = 7;

enum class MusicScene { Demo = 0, Play = 1, GameOver = 2 };
inline constexpr int kMusicSceneCount = 3;

enum class MessageIcon { Information, Exclamation, Stop };

// A point in playfield units: origin at the interior's top-left, y down.
struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

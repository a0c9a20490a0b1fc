// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/NullSessionHost.h"
#include "engine/Playfield.h"

// A host with no window for play-testing: the clock reads a
// fixed seed (so StartGame seeds the game's generator with it), and the
// mouse pointer is wherever the player last put it.
class HeadlessPlatform : public NullSessionHost {
public:
    explicit HeadlessPlatform(std::uint32_t seed) : seed_(seed) {}

    // Puts the pointer over playfield x at 100 % zoom, where one pixel is one unit.
    void PointAt(int playfieldX) { pointerClientX_ = playfieldX + Playfield::kFrame; }

    PaddleInput ReadPaddleInput() override { return {false, false, false, pointerClientX_, kFullZoom}; }
    std::uint32_t TickCount() override { return seed_; }

private:
    static constexpr int kFullZoom = 4;
    std::uint32_t seed_ = 0;
    int pointerClientX_ = 0;
};

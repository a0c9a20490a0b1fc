// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The classic linear congruential generator, so that a seed gives the same
// gold-block nudges in every build of the game.
class ClassicRandom {
public:
    void Seed(std::uint32_t seed) { state_ = seed; }
    std::uint32_t State() const { return state_; }

    // An integer 0..32767.
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

private:
    std::uint32_t state_ = 1;
};

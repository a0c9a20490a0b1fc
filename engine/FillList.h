// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cassert>

#include "engine/BlockColours.h"
#include "engine/Rect.h"

// One solid rectangle of a picture.
struct Fill {
    Rect rect;
    Rgb colour;
    friend bool operator==(const Fill&, const Fill&) = default;
};

// A small picture as solid rectangles painted in order, later ones over
// earlier ones. Fixed capacity, so describing a block costs no allocation.
class FillList {
public:
    // The most any picture needs: a block's face and outline, its two
    // highlight edges, and the eight crack lines of twice-hit silver.
    static constexpr int kCapacity = 12;

    void Add(const Rect& rect, Rgb colour) {
        assert(count_ < kCapacity);
        fills_[count_++] = {rect, colour};
    }

    const Fill* begin() const { return fills_.data(); }
    const Fill* end() const { return fills_.data() + count_; }
    int size() const { return count_; }

private:
    std::array<Fill, kCapacity> fills_{};
    int count_ = 0;
};

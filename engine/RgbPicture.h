// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "engine/BlockColours.h"
#include "engine/FillList.h"
#include "engine/Rect.h"

// A picture held as rows of colours, for drawing without a window: what
// blctool's thumbnails are painted on.
class RgbPicture {
public:
    RgbPicture(int width, int height, Rgb background)
        : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, background) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Put(int x, int y, Rgb colour) { pixels_[Index(x, y)] = colour; }

    // Rectangles reaching past the edges are cut to the picture.
    void FillRect(const Rect& rect, Rgb colour);
    void Paint(const FillList& fills) {
        for (const Fill& fill : fills) FillRect(fill.rect, fill.colour);
    }

private:
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

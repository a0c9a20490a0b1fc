// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Hot spots of the playfield's mouse pointers, by resource number. The
// images are ":/cursors/<id>.png"; art/pointers.py draws each shape around
// the same point, so a change here needs the drawing changed with it.

#include <array>

struct PointerHotSpot {
    int id;
    int x;
    int y;
};

inline constexpr int kPlayPointerId = 117;
inline constexpr int kPausePointerId = 118;
inline constexpr int kEditorPointerId = 119;

inline constexpr std::array<PointerHotSpot, 3> kPointerHotSpots{{
    {kPlayPointerId, 16, 16},    // the middle of the thin line: the paddle goes under it
    {kPausePointerId, 16, 16},   // between the two bars
    {kEditorPointerId, 15, 25},  // the brush tip, where the paint lands
}};

// The hot spot of pointer id; the image's top-left corner for an unknown id.
constexpr PointerHotSpot FindPointerHotSpot(int id) {
    for (const PointerHotSpot& spot : kPointerHotSpots)
        if (spot.id == id) return spot;
    return {id, 0, 0};
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "base/Zoom.h"
#include "engine/FillList.h"
#include "engine/PixelPoint.h"

// The editor's panel below the grid, in view units: a palette of the
// fifteen kinds in three rows of five, and the two sample boxes "L" and "R"
// with the kinds the left and right mouse buttons paint.
namespace EditorPanel {
inline constexpr int kPaletteLeft = 480;
inline constexpr int kPaletteTop = 464;
inline constexpr int kPaletteColumns = 5;
inline constexpr int kPaletteRows = 3;
inline constexpr int kKindCount = kPaletteColumns * kPaletteRows;
}  // namespace EditorPanel

// The top-left pixel of a kind's palette cell (kind 0..14).
PixelPoint PaletteCellOrigin(int kind, int zoom);
// The top-left pixel of the sample box of the left or right button's kind.
PixelPoint LeftSampleOrigin(int zoom);
PixelPoint RightSampleOrigin(int zoom);

// The panel's background and the raised frames around the palette and the
// sample boxes, in painting order. The sample frame reaches up above the
// boxes far enough to hold a label as tall as `letterHeight`.
FillList EditorPanelFills(const ZoomLevel& zoom, int letterHeight);

// Where the labels "L" and "R" are centred.
Rect LeftLabelRect(int zoom, int letterHeight);
Rect RightLabelRect(int zoom, int letterHeight);

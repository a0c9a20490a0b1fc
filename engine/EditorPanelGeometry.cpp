// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/EditorPanelGeometry.h"

#include "engine/DrawGeometry.h"
#include "engine/Playfield.h"
#include "stages/CBlockDoc.h"

namespace {
using namespace EditorPanel;

// The panel covers the seven cell rows below the grid; the view shows the
// first six of them.
constexpr int kPanelTop = Playfield::kFrame + kGridRows * Playfield::kCellHeight;  // 416
constexpr int kPanelRows = 7;

// The palette's frame, four units outside it on the left and top and on its
// last units on the right and bottom.
constexpr int kPaletteFrameLeft = 476;
constexpr int kPaletteFrameTop = 460;
constexpr int kPaletteFrameRight = 804;
constexpr int kPaletteFrameBottom = 564;

constexpr int kSampleFrameLeft = 216;
constexpr int kSampleFrameRight = 360;
constexpr int kSampleFrameBottom = 564;
constexpr int kSampleTop = 528;
constexpr int kLabelBottom = 524;
constexpr int kLeftSampleLeft = 220;
constexpr int kRightSampleLeft = 292;
constexpr int kLabelGap = 2;  // pixels between the frame and the letter above the boxes

int ToPixels(int units, int zoom) { return ViewUnitsToPixels(units, zoom); }

PixelPoint ToPixels(int x, int y, int zoom) { return {ToPixels(x, zoom), ToPixels(y, zoom)}; }

// A raised frame: light along the top and left, dark along the bottom and right.
void AddRaisedFrame(FillList& fills, PixelPoint topLeft, PixelPoint bottomRight) {
    const PixelPoint topRight{bottomRight.x, topLeft.y};
    const PixelPoint bottomLeft{topLeft.x, bottomRight.y};
    fills.Add(LinePixels(topLeft, topRight), ViewColours::kFrameLight);
    fills.Add(LinePixels(topLeft, bottomLeft), ViewColours::kFrameLight);
    fills.Add(LinePixels(bottomRight, bottomLeft), ViewColours::kFrameDark);
    fills.Add(LinePixels(bottomRight, topRight), ViewColours::kFrameDark);
}

int SampleFrameTop(int zoom, int letterHeight) {
    return ToPixels(kLabelBottom, zoom) - letterHeight - kLabelGap;
}

Rect LabelRect(int left, int zoom, int letterHeight) {
    const int top = SampleFrameTop(zoom, letterHeight);
    return {ToPixels(left, zoom), top, ToPixels(left + Playfield::kCellWidth, zoom) - ToPixels(left, zoom),
            ToPixels(kLabelBottom, zoom) - top};
}
}  // namespace

PixelPoint PaletteCellOrigin(int kind, int zoom) {
    return ToPixels(kPaletteLeft + kind % kPaletteColumns * Playfield::kCellWidth,
                    kPaletteTop + kind / kPaletteColumns * Playfield::kCellHeight, zoom);
}

PixelPoint LeftSampleOrigin(int zoom) { return ToPixels(kLeftSampleLeft, kSampleTop, zoom); }

PixelPoint RightSampleOrigin(int zoom) { return ToPixels(kRightSampleLeft, kSampleTop, zoom); }

FillList EditorPanelFills(const ZoomLevel& zoom, int letterHeight) {
    const int z = zoom.zoom;
    FillList fills;
    fills.Add({ToPixels(Playfield::kFrame, z), ToPixels(kPanelTop, z), kGridColumns * zoom.cellWidth,
               kPanelRows * zoom.cellHeight},
              ViewColours::kPanel);
    // The dark bottom line of the palette frame stops at the palette's
    // left edge, short of the light left line.
    const PixelPoint frameTopLeft = ToPixels(kPaletteFrameLeft, kPaletteFrameTop, z);
    const PixelPoint frameBottomRight = ToPixels(kPaletteFrameRight, kPaletteFrameBottom, z);
    fills.Add(LinePixels(frameTopLeft, ToPixels(kPaletteFrameLeft, kPaletteFrameBottom, z)),
              ViewColours::kFrameLight);
    fills.Add(LinePixels(frameTopLeft, ToPixels(kPaletteFrameRight, kPaletteFrameTop, z)),
              ViewColours::kFrameLight);
    fills.Add(LinePixels(frameBottomRight, ToPixels(kPaletteLeft, kPaletteFrameBottom, z)),
              ViewColours::kFrameDark);
    fills.Add(LinePixels(frameBottomRight, ToPixels(kPaletteFrameRight, kPaletteFrameTop, z)),
              ViewColours::kFrameDark);
    AddRaisedFrame(fills, {ToPixels(kSampleFrameLeft, z), SampleFrameTop(z, letterHeight)},
                   ToPixels(kSampleFrameRight, kSampleFrameBottom, z));
    return fills;
}

Rect LeftLabelRect(int zoom, int letterHeight) { return LabelRect(kLeftSampleLeft, zoom, letterHeight); }

Rect RightLabelRect(int zoom, int letterHeight) {
    return LabelRect(kRightSampleLeft, zoom, letterHeight);
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class SettingsStore;

// The width of the primary screen in pixels, asked when the zoom is applied.
class ScreenInfo {
public:
    virtual ~ScreenInfo() = default;
    virtual int PrimaryScreenWidth() const = 0;
};

// The playfield's scale: zoom 2, 3 or 4 for 50, 75 and 100 %, and the pixel
// sizes derived from it.
struct ZoomLevel {
    int zoom = 2;
    int cellWidth = 32;
    int cellHeight = 16;
    int margin = 16;
    int paddleWidth = 40;
    int ballSize = 8;

    static ZoomLevel For(int zoom);
    friend bool operator==(const ZoomLevel&, const ZoomLevel&) = default;
};

inline constexpr int kMinZoom = 2;
inline constexpr int kMaxZoom = 4;
// The view's client area in view units: the interior and its frame.
inline constexpr int kViewWidthUnits = 1024;
inline constexpr int kViewHeightUnits = 608;

// Clamps the level to 2..4, lowers it to what the screen width allows,
// stores it as "Zoom" and returns the sizes for it.
ZoomLevel ApplyZoom(int level, const ScreenInfo& screen, SettingsStore& settings);

// A playfield coordinate to a view pixel, and back; both round toward zero.
int LogicalToPixel(int logical, int zoom);
int PixelToLogical(int pixel, int zoom);

// A view unit (playfield + 32) to a pixel.
inline int ViewUnitsToPixels(int units, int zoom) { return units * zoom / 4; }

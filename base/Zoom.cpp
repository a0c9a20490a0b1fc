// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/Zoom.h"

#include <algorithm>

#include "base/SettingsKeys.h"
#include "base/SettingsStore.h"

ZoomLevel ZoomLevel::For(int zoom) {
    return {zoom, 64 * zoom / 4, 32 * zoom / 4, 32 * zoom / 4, 80 * zoom / 4, 16 * zoom / 4};
}

ZoomLevel ApplyZoom(int level, const ScreenInfo& screen, SettingsStore& settings) {
    level = std::clamp(level, kMinZoom, kMaxZoom);
    const int screenWidth = screen.PrimaryScreenWidth();
    if (level == 4 && screenWidth < 1024) level = 3;
    if (level == 3 && screenWidth < 768) level = 2;
    settings.WriteInt(Settings::kSection, Settings::kZoom, level);
    return ZoomLevel::For(level);
}

int LogicalToPixel(int logical, int zoom) { return zoom * (logical + 32) / 4; }

int PixelToLogical(int pixel, int zoom) { return pixel * 4 / zoom - 32; }

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whether the primary screen is wide enough to offer a zoom level (2, 3 or
// 4) in the Zoom dialog: 100 % needs 1024 pixels, 75 % 768, 50 % fits any.
inline constexpr bool ZoomFitsScreen(int level, int screenWidth) {
    if (level >= 4) return screenWidth >= 1024;
    if (level == 3) return screenWidth >= 768;
    return true;
}

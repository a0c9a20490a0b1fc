// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/WindowPlace.h"

#include <algorithm>

namespace {
// The title bar as this judges it: the window's width, this tall, at the
// window's top edge. Some desktops draw it taller; the top part is enough.
constexpr long long kTitleBarHeight = 20;
// How much of the title bar must lie on one screen to be taken hold of.
constexpr long long kGripWidth = 32;
constexpr long long kGripHeight = 8;

// Wide arithmetic: a stored place may be anywhere in the 32-bit range.
bool GripOnScreen(PixelPoint stored, int windowWidth, const Rect& screen) {
    const long long left = std::max<long long>(stored.x, screen.x);
    const long long right = std::min<long long>(static_cast<long long>(stored.x) + windowWidth,
                                                static_cast<long long>(screen.x) + screen.width);
    const long long top = std::max<long long>(stored.y, screen.y);
    const long long bottom = std::min<long long>(stored.y + kTitleBarHeight,
                                                 static_cast<long long>(screen.y) + screen.height);
    return right - left >= kGripWidth && bottom - top >= kGripHeight;
}
}  // namespace

PixelPoint WindowPlaceOnScreens(PixelPoint stored, int windowWidth, const std::vector<Rect>& screens) {
    if (screens.empty()) return stored;
    const bool reachable = std::any_of(screens.begin(), screens.end(), [&](const Rect& screen) {
        return GripOnScreen(stored, windowWidth, screen);
    });
    if (reachable) return stored;
    return {screens.front().x, screens.front().y};
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/RgbPicture.h"

#include <algorithm>

void RgbPicture::FillRect(const Rect& rect, Rgb colour) {
    const int left = std::max(rect.x, 0);
    const int top = std::max(rect.y, 0);
    const int right = std::min(rect.x + rect.width, width_);
    const int bottom = std::min(rect.y + rect.height, height_);
    for (int y = top; y < bottom; ++y)
        std::fill_n(pixels_.begin() + static_cast<std::ptrdiff_t>(Index(left, y)), std::max(right - left, 0), colour);
}

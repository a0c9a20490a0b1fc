// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <ostream>

#include <QColor>
#include <QImage>
#include <QRect>

#include "engine/BlockColours.h"

// The view's picture read in the colours its drawing code uses.
inline Rgb PixelAt(const QImage& image, QPoint at) {
    const QColor colour = image.pixelColor(at);
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

inline bool AllPixelsOf(const QImage& image, const QRect& area, Rgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!(PixelAt(image, {x, y}) == colour)) return false;
    return true;
}

// Lets failures name the colours they saw.
inline std::ostream& operator<<(std::ostream& out, const Rgb& colour) {
    return out << "rgb(" << int{colour.red} << "," << int{colour.green} << "," << int{colour.blue} << ")";
}

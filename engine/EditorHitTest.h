// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "base/Zoom.h"
#include "engine/PixelPoint.h"

struct GridCell {
    int column = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The grid cell under a client pixel; the walls around the grid are not on it.
std::optional<GridCell> GridCellAt(PixelPoint point, const ZoomLevel& zoom);

// The block kind (0..14) of the palette entry under a client pixel.
std::optional<int> PaletteKindAt(PixelPoint point, int zoom);

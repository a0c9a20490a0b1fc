// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/EditorHitTest.h"

#include "engine/EditorPanelGeometry.h"
#include "engine/Playfield.h"
#include "stages/CBlockDoc.h"

std::optional<GridCell> GridCellAt(PixelPoint point, const ZoomLevel& zoom) {
    if (point.x < zoom.margin || point.y < zoom.margin) return std::nullopt;  // on a wall
    const GridCell cell{(point.x - zoom.margin) / zoom.cellWidth, (point.y - zoom.margin) / zoom.cellHeight};
    if (cell.column >= kGridColumns || cell.row >= kGridRows) return std::nullopt;
    return cell;
}

std::optional<int> PaletteKindAt(PixelPoint point, int zoom) {
    using namespace EditorPanel;
    const int u = point.x * 4 / zoom;
    const int v = point.y * 4 / zoom;
    if (u < kPaletteLeft || v < kPaletteTop) return std::nullopt;
    const int column = (u - kPaletteLeft) / Playfield::kCellWidth;
    const int row = (v - kPaletteTop) / Playfield::kCellHeight;
    if (column >= kPaletteColumns || row >= kPaletteRows) return std::nullopt;
    return row * kPaletteColumns + column;
}

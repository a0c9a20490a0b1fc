// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/PlayfieldPainter.h"

#include <QPainter>

#include "engine/BlockPicture.h"
#include "engine/EditorPanelGeometry.h"
#include "engine/qt/PlayfieldBitmaps.h"
#include "stages/CBlockDoc.h"

namespace PlayfieldPainter {
namespace {
QRect ToQRect(const Rect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

void PaintTopWall(QPainter& painter, const QImage& tile, const ZoomLevel& zoom, const TileRanges& tiles) {
    if (tiles.firstRow != 0) return;  // the clip box lies below the top wall
    for (int column = tiles.firstColumn; column <= tiles.lastColumn; ++column)
        PaintPicture(painter, tile, TopWallTile(column, zoom));
}

void PaintSideWalls(QPainter& painter, const QImage& tile, const ZoomLevel& zoom, const TileRanges& tiles) {
    for (int row = tiles.firstRow; row <= tiles.lastRow; ++row) {
        if (tiles.firstColumn == 0) PaintPicture(painter, tile, LeftWallTile(row, zoom));
        if (tiles.lastColumn == kTopWallTileCount - 1) PaintPicture(painter, tile, RightWallTile(row, zoom));
    }
}

void PaintCorners(QPainter& painter, const QImage& tile, const ZoomLevel& zoom, const TileRanges& tiles) {
    if (tiles.firstRow != 0) return;
    if (tiles.firstColumn == 0) PaintPicture(painter, tile, LeftCorner(zoom));
    if (tiles.lastColumn == kTopWallTileCount - 1) PaintPicture(painter, tile, RightCorner(zoom));
}

void PaintLabel(QPainter& painter, const Rect& rect, const QString& letter) {
    painter.setPen(Qt::black);
    painter.drawText(ToQRect(rect), Qt::AlignCenter | Qt::TextSingleLine, letter);
}
}  // namespace

void PaintFill(QPainter& painter, const Rect& rect, Rgb colour) {
    painter.fillRect(ToQRect(rect), QColor(colour.red, colour.green, colour.blue));
}

void PaintFills(QPainter& painter, const FillList& fills) {
    for (const Fill& fill : fills) PaintFill(painter, fill.rect, fill.colour);
}

void PaintPicture(QPainter& painter, const QImage& picture, const Rect& place) {
    if (picture.isNull()) return;
    painter.drawImage(QPoint(place.x, place.y), picture, QRect(0, 0, place.width, place.height));
}

void PaintFrame(QPainter& painter, const PlayfieldBitmaps& bitmaps, const ZoomLevel& zoom, const Rect& clipBox) {
    const TileRanges tiles = TileRangesOfClipBox(clipBox, zoom.zoom);
    PaintTopWall(painter, bitmaps.Picture(PlayfieldPicture::TopWall, zoom.zoom), zoom, tiles);
    PaintSideWalls(painter, bitmaps.Picture(PlayfieldPicture::SideWall, zoom.zoom), zoom, tiles);
    PaintCorners(painter, bitmaps.Picture(PlayfieldPicture::Corner, zoom.zoom), zoom, tiles);
}

void PaintBlock(QPainter& painter, PixelPoint origin, const ZoomLevel& zoom, std::int8_t cell, bool editorMode) {
    PaintFills(painter, BlockFills(origin, zoom.cellWidth, zoom.cellHeight, cell, editorMode));
}

void PaintGrid(QPainter& painter, const CBlockDoc& doc, const ZoomLevel& zoom, bool editorMode) {
    for (int row = 0; row < kGridRows; ++row)
        for (int column = 0; column < kGridColumns; ++column)
            PaintBlock(painter, CellOrigin(column, row, zoom.zoom), zoom, doc.Cell(column, row), editorMode);
}

void PaintSpriteMove(QPainter& painter, const SpriteMove& move, const QImage& picture) {
    PaintFill(painter, move.uncovered, ViewColours::kBackground);
    PaintPicture(painter, picture, move.picture);
}

void PaintEditorPanel(QPainter& painter, const ZoomLevel& zoom, int leftKind, int rightKind) {
    const int letterHeight = painter.fontMetrics().height();
    PaintFills(painter, EditorPanelFills(zoom, letterHeight));
    for (int kind = 0; kind < EditorPanel::kKindCount; ++kind)
        PaintSample(painter, PaletteCellOrigin(kind, zoom.zoom), zoom, kind);
    PaintLabel(painter, LeftLabelRect(zoom.zoom, letterHeight), QStringLiteral("L"));
    PaintLabel(painter, RightLabelRect(zoom.zoom, letterHeight), QStringLiteral("R"));
    PaintSample(painter, LeftSampleOrigin(zoom.zoom), zoom, leftKind);
    PaintSample(painter, RightSampleOrigin(zoom.zoom), zoom, rightKind);
}

void PaintSample(QPainter& painter, PixelPoint origin, const ZoomLevel& zoom, int kind) {
    // Kinds are shown as the editor shows cells, so kind 0 is an empty cell.
    PaintBlock(painter, origin, zoom, static_cast<std::int8_t>(kind), true);
}

}  // namespace PlayfieldPainter

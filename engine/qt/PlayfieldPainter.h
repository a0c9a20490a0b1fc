// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "engine/DrawGeometry.h"
#include "engine/FillList.h"

class CBlockDoc;
class PlayfieldBitmaps;
class QImage;
class QPainter;

// Paints the playfield's pieces into the view's image with a painter the
// caller holds. Pictures that failed to load are skipped.
namespace PlayfieldPainter {

void PaintFill(QPainter& painter, const Rect& rect, Rgb colour);
void PaintFills(QPainter& painter, const FillList& fills);
// A plain copy of a picture, clipped to `place`.
void PaintPicture(QPainter& painter, const QImage& picture, const Rect& place);

// The wall tiles and corners that the clip box touches.
void PaintFrame(QPainter& painter, const PlayfieldBitmaps& bitmaps, const ZoomLevel& zoom, const Rect& clipBox);

// One cell-sized block picture of a cell byte, and the whole grid of the
// document's current stage.
void PaintBlock(QPainter& painter, PixelPoint origin, const ZoomLevel& zoom, std::int8_t cell, bool editorMode);
void PaintGrid(QPainter& painter, const CBlockDoc& doc, const ZoomLevel& zoom, bool editorMode);

// A sprite that moved sideways: its uncovered strip and the picture.
void PaintSpriteMove(QPainter& painter, const SpriteMove& move, const QImage& picture);

// The editor's panel in the painter's font: palette, frames, the labels
// "L" and "R", and the kinds of both buttons.
void PaintEditorPanel(QPainter& painter, const ZoomLevel& zoom, int leftKind, int rightKind);
// The sample box of one button's kind.
void PaintSample(QPainter& painter, PixelPoint origin, const ZoomLevel& zoom, int kind);

}  // namespace PlayfieldPainter

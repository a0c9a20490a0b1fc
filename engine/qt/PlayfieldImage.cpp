// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/PlayfieldImage.h"

#include <QPainter>

#include "engine/BallSprite.h"
#include "engine/DrawGeometry.h"
#include "engine/qt/PlayfieldPainter.h"
#include "stages/CBlockDoc.h"

PlayfieldImage::PlayfieldImage(const CBlockDoc& doc, std::function<bool()> inEditor,
                               std::function<void(const Rect&)> changed, std::function<void()> invalidated)
    : doc_(doc),
      inEditor_(std::move(inEditor)),
      changed_(std::move(changed)),
      invalidated_(std::move(invalidated)),
      bitmaps_(PlayfieldBitmaps::Load()) {}

void PlayfieldImage::SetZoom(const ZoomLevel& zoom) {
    zoom_ = zoom;
    image_ = QImage(ViewUnitsToPixels(kViewWidthUnits, zoom.zoom), ViewUnitsToPixels(kViewHeightUnits, zoom.zoom),
                    QImage::Format_RGB32);
    image_.fill(Qt::white);
    InvalidateView();
}

void PlayfieldImage::Draw(const Rect& clipBox, const Scene& scene) {
    QPainter painter(&image_);
    PlayfieldPainter::PaintFrame(painter, bitmaps_, zoom_, clipBox);
    PlayfieldPainter::PaintGrid(painter, doc_, zoom_, scene.editor);
    if (scene.editor) {
        painter.setFont(scene.font);
        PlayfieldPainter::PaintEditorPanel(painter, zoom_, scene.leftKind, scene.rightKind);
    }
    if (scene.ball) {
        const Rect square = BallSquare(*scene.ball, zoom_.zoom);
        PlayfieldPainter::PaintPicture(painter, bitmaps_.Picture(PlayfieldPicture::Ball, zoom_.zoom), square);
    }
}

bool PlayfieldImage::TakeInvalidation() {
    if (!invalidation_) return false;
    invalidation_ = false;
    image_.fill(Qt::white);
    return true;
}

void PlayfieldImage::PaintBallElsewhere(QPainter& painter, Point pictured, Point shown, int paddleX) const {
    const Rect square = BallSquare(pictured, zoom_.zoom);
    painter.save();
    painter.setClipRect(QRect(square.x, square.y, square.width, square.height), Qt::IntersectClip);
    PlayfieldPainter::PaintFill(painter, square, ViewColours::kBackground);
    PlayfieldPainter::PaintPicture(painter, bitmaps_.Picture(PlayfieldPicture::Paddle, zoom_.zoom),
                                   PaddleMove(paddleX, paddleX, zoom_).picture);
    painter.restore();
    PlayfieldPainter::PaintPicture(painter, bitmaps_.Picture(PlayfieldPicture::Ball, zoom_.zoom),
                                   BallSquare(shown, zoom_.zoom));
}

void PlayfieldImage::InvalidateView() {
    // Done at the next paint, as the window system would: whatever the
    // caller changes after asking (a stage made to stand again) is shown.
    invalidation_ = true;
    invalidated_();
}

void PlayfieldImage::DrawCell(int column, int row) {
    const PixelPoint origin = CellOrigin(column, row, zoom_.zoom);
    {
        QPainter painter(&image_);
        PlayfieldPainter::PaintBlock(painter, origin, zoom_, doc_.Cell(column, row), inEditor_());
    }
    changed_({origin.x, origin.y, zoom_.cellWidth, zoom_.cellHeight});
}

void PlayfieldImage::DrawSample(PixelPoint origin, int kind) {
    {
        QPainter painter(&image_);
        PlayfieldPainter::PaintSample(painter, origin, zoom_, kind);
    }
    changed_({origin.x, origin.y, zoom_.cellWidth, zoom_.cellHeight});
}

void PlayfieldImage::PaintSpriteMove(const SpriteMove& move, PlayfieldPicture picture) {
    {
        QPainter painter(&image_);
        PlayfieldPainter::PaintSpriteMove(painter, move, bitmaps_.Picture(picture, zoom_.zoom));
    }
    changed_(move.uncovered);
    changed_(move.picture);
}

void PlayfieldImage::MovePaddleSprite(int oldX, int newX) {
    PaintSpriteMove(PaddleMove(oldX, newX, zoom_), PlayfieldPicture::Paddle);
}

void PlayfieldImage::MoveServingBallSprite(int oldX, int newX) {
    PaintSpriteMove(ServingBallMove(oldX, newX, zoom_), PlayfieldPicture::Ball);
}

void PlayfieldImage::MoveBallSprite(Point oldCentre, Point newCentre) {
    const BallSpriteMove move = PlanBallSpriteMove(oldCentre, newCentre, zoom_.zoom);
    {
        QPainter painter(&image_);
        PlayfieldPainter::PaintPicture(painter, bitmaps_.Picture(PlayfieldPicture::Ball, zoom_.zoom), move.blit);
        for (const Rect& strip : move.Strips()) PlayfieldPainter::PaintFill(painter, strip, ViewColours::kBackground);
    }
    changed_(move.blit);
    for (const Rect& strip : move.Strips()) changed_(strip);
}

void PlayfieldImage::EraseBallSquare(Point centre) {
    const Rect square = BallSquare(centre, zoom_.zoom);
    {
        QPainter painter(&image_);
        PlayfieldPainter::PaintFill(painter, square, ViewColours::kBackground);
    }
    changed_(square);
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <optional>

#include <QFont>
#include <QImage>

#include "base/Zoom.h"
#include "engine/PlayfieldCanvas.h"
#include "engine/Rect.h"
#include "engine/qt/PlayfieldBitmaps.h"
#include "engine/qt/StageEditor.h"

class CBlockDoc;
class QPainter;
struct SpriteMove;

// The playfield as a picture of the view's client area at the view's zoom:
// the session and the editor draw into it cell by cell and sprite by
// sprite, and it tells the view which part of it changed.
class PlayfieldImage : public PlayfieldCanvas, public EditorCanvas {
public:
    // What a full drawing shows besides the frame and the cells.
    struct Scene {
        bool editor = false;
        int leftKind = 0;   // the editor's two sample boxes
        int rightKind = 0;
        std::optional<Point> ball;  // a ball to draw in the playfield
        QFont font;                 // the editor panel's letters
    };

    // Changed is told every part drawn; InvalidateView asks for a full
    // drawing, which the view makes at its next paint.
    PlayfieldImage(const CBlockDoc& doc, std::function<bool()> inEditor, std::function<void(const Rect&)> changed,
                   std::function<void()> invalidated);

    const QImage& Image() const { return image_; }
    const ZoomLevel& Zoom() const { return zoom_; }
    // A new size: the picture starts again, white, and waits for a full drawing.
    void SetZoom(const ZoomLevel& zoom);

    // The frame tiles that the clip box touches, every cell, then the
    // editor's panel or the ball.
    void Draw(const Rect& clipBox, const Scene& scene);
    // Whether a full drawing is due; the picture is white again if so.
    bool TakeInvalidation();

    // Shows the ball at `shown` rather than at `pictured`, where the picture
    // has it: the picture's ball square as it would be without the ball (the
    // background, and the paddle where it reaches in), then the ball.
    void PaintBallElsewhere(QPainter& painter, Point pictured, Point shown, int paddleX) const;

    // PlayfieldCanvas and EditorCanvas
    void InvalidateView() override;
    void DrawCell(int column, int row) override;
    void DrawSample(PixelPoint origin, int kind) override;
    void MovePaddleSprite(int oldX, int newX) override;
    void MoveServingBallSprite(int oldX, int newX) override;
    void MoveBallSprite(Point oldCentre, Point newCentre) override;
    void EraseBallSquare(Point centre) override;

private:
    void PaintSpriteMove(const SpriteMove& move, PlayfieldPicture picture);

    const CBlockDoc& doc_;
    std::function<bool()> inEditor_;
    std::function<void(const Rect&)> changed_;
    std::function<void()> invalidated_;
    PlayfieldBitmaps bitmaps_;
    ZoomLevel zoom_;
    QImage image_;
    bool invalidation_ = false;  // a full drawing is due
};

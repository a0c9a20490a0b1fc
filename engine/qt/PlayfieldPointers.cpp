// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/PlayfieldPointers.h"

#include <QPixmap>

#include "engine/qt/ImageResources.h"
#include "resources/PointerHotSpots.h"

namespace {
QCursor LoadPointer(int id) {
    const QPixmap image(QStringLiteral(":/cursors/%1.png").arg(id));
    if (image.isNull()) return QCursor(Qt::ArrowCursor);
    const PointerHotSpot hotSpot = FindPointerHotSpot(id);
    return QCursor(image, hotSpot.x, hotSpot.y);
}
}  // namespace

PlayfieldPointers PlayfieldPointers::Load() {
    EnsureImageResources();
    PlayfieldPointers pointers;
    pointers.play_ = LoadPointer(kPlayPointerId);
    pointers.pause_ = LoadPointer(kPausePointerId);
    pointers.editor_ = LoadPointer(kEditorPointerId);
    return pointers;
}

QCursor PlayfieldPointers::For(PointerShape shape) const {
    switch (shape) {
    case PointerShape::Arrow: return QCursor(Qt::ArrowCursor);
    case PointerShape::Play: return play_;
    case PointerShape::Pause: return pause_;
    case PointerShape::Editor: return editor_;
    case PointerShape::None: return QCursor(Qt::BlankCursor);
    }
    return QCursor(Qt::ArrowCursor);
}

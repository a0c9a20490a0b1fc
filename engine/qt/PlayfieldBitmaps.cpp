// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/PlayfieldBitmaps.h"

#include <QPainter>

#include "base/Zoom.h"
#include "engine/qt/ImageResources.h"

namespace {
constexpr int kSizesPerPicture = kMaxZoom - kMinZoom + 1;

// The pictures have white backgrounds and are copied without a mask, so
// any transparency in a file is shown as the white it stands for.
QImage OnWhite(const QImage& loaded) {
    if (loaded.isNull()) return {};
    QImage opaque(loaded.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, loaded);
    return opaque;
}
}  // namespace

PlayfieldBitmaps PlayfieldBitmaps::Load() {
    EnsureImageResources();
    PlayfieldBitmaps bitmaps;
    for (int i = 0; i < kCount; ++i)
        bitmaps.images_[i] = OnWhite(QImage(QStringLiteral(":/bitmaps/%1.png").arg(kFirstId + i)));
    return bitmaps;
}

const QImage& PlayfieldBitmaps::Picture(PlayfieldPicture picture, int zoom) const {
    return images_[static_cast<int>(picture) * kSizesPerPicture + zoom - kMinZoom];
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawn images as the program finds them in its Qt resources: each at
// the size its drawing code copies, and the pointers' hot spots on their shape.
#include <gtest/gtest.h>

#include <QImage>
#include <QSize>
#include <QString>

#include "resources/PointerHotSpots.h"

// The resources live in a static library; nothing else in this test binary
// would pull them in, so register them here. The macro declares the
// registration function and so must stand outside every namespace.
static void RegisterResources() { Q_INIT_RESOURCE(resources); }

namespace {
QImage LoadResource(const QString& path) {
    RegisterResources();
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

TEST(ResourceImages, EachPictureHasTheSizeItIsCopiedAt) {
    // Per picture: its size at 100 %; the 75 % and 50 % ones are 3/4 and 1/2.
    const struct {
        int firstId;
        QSize full;
    } pictures[] = {
        {200, {64, 32}}, {203, {32, 64}}, {206, {32, 32}}, {209, {80, 12}}, {212, {16, 16}},
    };
    for (const auto& picture : pictures)
        for (int zoom = 2; zoom <= 4; ++zoom) {
            const int id = picture.firstId + zoom - 2;
            EXPECT_EQ(LoadResource(QStringLiteral(":/bitmaps/%1.png").arg(id)).size(), picture.full * zoom / 4)
                << id;
        }
    EXPECT_EQ(LoadResource(QStringLiteral(":/bitmaps/2.png")).size(), QSize(18 * 16, 15)) << "the toolbar strip";
    EXPECT_EQ(LoadResource(QStringLiteral(":/icons/2.png")).size(), QSize(32, 32));
}

TEST(ResourceImages, PointerHotSpotsLieOnTheirShapes) {
    const QRgb black = qRgba(0, 0, 0, 255);
    for (const PointerHotSpot& spot : kPointerHotSpots) {
        const QImage pointer = LoadResource(QStringLiteral(":/cursors/%1.png").arg(spot.id));
        ASSERT_EQ(pointer.size(), QSize(32, 32)) << spot.id;
        if (spot.id == kPausePointerId) {
            // The pause sign's hot spot lies in the gap between its bars.
            EXPECT_EQ(qAlpha(pointer.pixel(spot.x, spot.y)), 0);
            EXPECT_EQ(pointer.pixel(spot.x - 3, spot.y), black);
            EXPECT_EQ(pointer.pixel(spot.x + 3, spot.y), black);
        } else {
            EXPECT_EQ(pointer.pixel(spot.x, spot.y), black) << spot.id;
        }
    }
    EXPECT_NE(LoadResource(QStringLiteral(":/cursors/119.png")).pixel(15, 26), black) << "the brush tip is lowest";
}
}  // namespace

// The drawn images as the program finds them in its Qt resources: each at
// the size its drawing code copies, in the colours the program promises,
// and the pointers' hot spots on a dark pixel of their shape.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QSet>
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

const QSet<QRgb>& SixteenColours() {
    static const QSet<QRgb> colours{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return colours;
}

// Transparent pixels are allowed only where asked; every other pixel must be
// opaque and one of the sixteen colours.
bool UsesOnlySixteenColours(const QImage& image, bool transparencyAllowed) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0 && transparencyAllowed) continue;
            if (qAlpha(pixel) != 255 || !SixteenColours().contains(pixel | 0xFF000000u)) return false;
        }
    return true;
}

QString Bitmap(int id) { return QStringLiteral(":/bitmaps/%1.png").arg(id); }

}  // namespace

TEST(ResourceImages, PlayfieldBitmapsComeInThreeSizesOfSixteenColours) {
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
            const QImage image = LoadResource(Bitmap(id));
            ASSERT_FALSE(image.isNull()) << id;
            EXPECT_EQ(image.size(), picture.full * zoom / 4) << id;
            EXPECT_TRUE(UsesOnlySixteenColours(image, false)) << id;
        }
}

TEST(ResourceImages, PlayfieldSpritesSitOnWhite) {
    // Copied unmasked onto the white playfield, so the corners must be white.
    for (int id = 209; id <= 214; ++id) {
        const QImage image = LoadResource(Bitmap(id));
        ASSERT_FALSE(image.isNull()) << id;
        EXPECT_EQ(image.pixel(image.width() - 1, 0), qRgb(255, 255, 255)) << id;
        EXPECT_EQ(image.pixel(0, image.height() - 1), qRgb(255, 255, 255)) << id;
    }
}

TEST(ResourceImages, ToolbarStripHoldsEighteenCellsOnButtonGrey) {
    const QImage strip = LoadResource(Bitmap(2));
    ASSERT_FALSE(strip.isNull());
    EXPECT_EQ(strip.size(), QSize(18 * 16, 15));
    EXPECT_TRUE(UsesOnlySixteenColours(strip, false));
    EXPECT_EQ(strip.pixel(0, 14), qRgb(192, 192, 192));
}

TEST(ResourceImages, PointersAreBlackAndWhiteWithTheHotSpotOnTheShape) {
    for (const PointerHotSpot& spot : kPointerHotSpots) {
        const QImage pointer = LoadResource(QStringLiteral(":/cursors/%1.png").arg(spot.id));
        ASSERT_FALSE(pointer.isNull()) << spot.id;
        EXPECT_EQ(pointer.size(), QSize(32, 32)) << spot.id;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = pointer.pixel(x, y);
                const bool clear = qAlpha(pixel) == 0;
                const bool isBlack = pixel == qRgba(0, 0, 0, 255);
                const bool isWhite = pixel == qRgba(255, 255, 255, 255);
                ASSERT_TRUE(clear || isBlack || isWhite) << spot.id << " at " << x << "," << y;
                // Every dark pixel is ringed, so none touches the clear ground.
                if (!isBlack) continue;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const bool inside = x + dx >= 0 && x + dx < 32 && y + dy >= 0 && y + dy < 32;
                        EXPECT_TRUE(inside && qAlpha(pointer.pixel(x + dx, y + dy)) != 0)
                            << spot.id << " at " << x << "," << y;
                    }
            }
        // The pause sign's hot spot lies in the gap between its bars; the
        // line's and the brush tip's lie on the shape itself, and the tip is
        // the brush's lowest dark pixel.
        const QRgb black = qRgba(0, 0, 0, 255);
        if (spot.id == kPausePointerId) {
            EXPECT_EQ(qAlpha(pointer.pixel(spot.x, spot.y)), 0);
            EXPECT_EQ(pointer.pixel(spot.x - 3, spot.y), black);
            EXPECT_EQ(pointer.pixel(spot.x + 3, spot.y), black);
        } else {
            EXPECT_EQ(pointer.pixel(spot.x, spot.y), black) << spot.id;
        }
        if (spot.id == kEditorPointerId) {
            EXPECT_NE(pointer.pixel(spot.x, spot.y + 1), black);
        }
    }
    EXPECT_EQ(FindPointerHotSpot(119).y, 25);
    EXPECT_EQ(FindPointerHotSpot(1).x, 0);
}

TEST(ResourceImages, ProgramIconHasALargeAndASmallSize) {
    const QImage large = LoadResource(QStringLiteral(":/icons/2.png"));
    const QImage small = LoadResource(QStringLiteral(":/icons/2-16.png"));
    ASSERT_FALSE(large.isNull());
    ASSERT_FALSE(small.isNull());
    EXPECT_EQ(large.size(), QSize(32, 32));
    EXPECT_EQ(small.size(), QSize(16, 16));
    EXPECT_TRUE(UsesOnlySixteenColours(large, true));
    EXPECT_TRUE(UsesOnlySixteenColours(small, true));
    EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0);
}

// The view drawn at 75 % and 100 %: the frame's top wall, the editor panel
// and the paddle's absence from it, where the other view tests draw at 50 %.
#include "engine/qt/CBlockView.h"

#include <memory>

#include <gtest/gtest.h>

#include "engine/BlockColours.h"
#include "engine/DrawGeometry.h"
#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
#include "stages/CBlockDoc.h"

namespace {
constexpr Rgb kWhite = ViewColours::kBackground;

class CBlockViewFullSizeTest : public ::testing::Test {
protected:
    void Build(int zoom) {
        settings.WriteInt(Settings::kSection, Settings::kZoom, zoom);
        view = std::make_unique<CBlockView>(doc, settings);
    }

    Rgb At(int x, int y) const {
        const QColor colour = view->Image().pixelColor(x, y);
        return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                static_cast<std::uint8_t>(colour.blue())};
    }
    // A view coordinate in pixels of the zoom, rounded toward zero.
    Rgb AtUnits(int x, int y, int zoom) const { return At(x * zoom / 4, y * zoom / 4); }

    bool AllOf(const QRect& area, Rgb colour) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (!(At(x, y) == colour)) return false;
        return true;
    }

    CBlockDoc doc;
    MemorySettingsStore settings;
    std::unique_ptr<CBlockView> view;
};

TEST_F(CBlockViewFullSizeTest, TheTopWallIsDrawnOnlyByRepaintsThatReachIt) {
    Build(4);  // blank until the first repaint
    view->OnDraw(QRect(300, 400, 40, 20));
    EXPECT_TRUE(AllOf(QRect(0, 0, 1024, 32), kWhite)) << "a repaint low in the playfield leaves the top row";

    view->OnDraw(QRect(340, 0, 40, 20));  // over columns 4 and 5 of the top wall
    EXPECT_FALSE(AllOf(QRect(32 + 4 * 64, 0, 64, 32), kWhite));
    EXPECT_FALSE(AllOf(QRect(32 + 5 * 64, 0, 64, 32), kWhite));
    EXPECT_TRUE(AllOf(QRect(0, 0, 32 + 4 * 64, 32), kWhite)) << "nor the left corner";
    EXPECT_TRUE(AllOf(QRect(32 + 6 * 64, 0, 1024 - 32 - 6 * 64, 32), kWhite)) << "nor the right corner";
}

TEST_F(CBlockViewFullSizeTest, TheEditorPanelScalesAndNoPaddleIsDrawnOverIt) {
    for (const int zoom : {3, 4}) {
        SCOPED_TRACE(zoom);
        Build(zoom);
        view->RedrawIfInvalidated();
        const int paddleX = view->Session().paddleX;
        const QRect paddle = [&] {
            const Rect place = PaddleMove(paddleX, paddleX, ZoomLevel::For(zoom)).picture;
            return QRect(place.x, place.y, place.width, place.height);
        }();
        const QImage playing = view->Image().copy(paddle);

        view->RunCommand(ViewCommand::Editor);
        view->RedrawIfInvalidated();
        view->OnDraw(view->Image().rect());  // and a repaint while editing
        EXPECT_NE(view->Image().copy(paddle), playing) << "the paddle is not drawn in the editor";

        // In view units: the panel, the palette's kind 7, the samples of
        // the left (1) and right (0) buttons.
        EXPECT_EQ(AtUnits(416, 460, zoom), ViewColours::kPanel);
        EXPECT_EQ(AtUnits(608 + 32, 496 + 16, zoom), ColoursOfKind(7).fill);
        EXPECT_EQ(AtUnits(220 + 32, 528 + 16, zoom), ColoursOfKind(1).fill);
        EXPECT_EQ(AtUnits(292 + 32, 528 + 16, zoom), kWhite);
        EXPECT_EQ(AtUnits(292, 528, zoom), ViewColours::kGridLine);
    }
}
}  // namespace

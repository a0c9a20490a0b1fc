// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/qt/CBlockView.h"
#include "sound/OutputDevices.h"

#include <memory>
#include <set>

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>

#include "base/MemorySettingsStore.h"
#include "base/SettingsKeys.h"
#include "engine/BallSprite.h"
#include "engine/BlockColours.h"
#include "engine/DrawGeometry.h"
#include "stages/CBlockDoc.h"
#include "tests/base/qt/MessageBoxes.h"
#include "tests/engine/SetState.h"
#include "tests/engine/qt/ViewPixels.h"

namespace {
// A view whose system has no timer to give.
class ViewWithoutTimer : public CBlockView {
public:
    using CBlockView::CBlockView;

protected:
    int StartTickTimer() override { return 0; }
};

class CBlockViewTest : public ::testing::Test {
protected:
    template <typename View = CBlockView>
    void Build(int zoom) {
        settings.WriteInt(Settings::kSection, Settings::kZoom, zoom);
        view = std::make_unique<View>(doc, settings, NoOutputDevices{});
    }

    // Builds the view and carries out its first repaint.
    void BuildAndDraw(int zoom) {
        Build(zoom);
        view->RedrawIfInvalidated();
    }

    Rgb At(int x, int y) const { return PixelAt(view->Image(), {x, y}); }
    // A view coordinate in pixels of the zoom, rounded toward zero.
    Rgb AtUnits(int x, int y, int zoom) const { return At(x * zoom / 4, y * zoom / 4); }
    bool AllOf(const QRect& area, Rgb colour) const { return AllPixelsOf(view->Image(), area, colour); }

    // The offsets within a cell's row at which a colour shows, edges left out.
    std::set<int> OffsetsOf(Rgb colour, int cellX, int y, int width) const {
        std::set<int> offsets;
        for (int dx = 1; dx < width - 1; ++dx)
            if (At(cellX + dx, y) == colour) offsets.insert(dx);
        return offsets;
    }

    void SetByte(int column, int row, int value) {
        doc.CellsOf(doc.m_nStage)[CellIndex(column, row)] = static_cast<std::int8_t>(value);
    }

    CBlockDoc doc;
    MemorySettingsStore settings;
    std::unique_ptr<CBlockView> view;
};

constexpr Rgb kWhite = ViewColours::kBackground;
constexpr Rgb kGrey = ViewColours::kGridLine;
}  // namespace

TEST_F(CBlockViewTest, CellsLieOnTheGridOfTheZoom) {
    doc.SetCell(0, 0, 1);
    doc.SetCell(1, 0, 4);
    doc.SetCell(0, 1, 10);
    for (const int zoom : {2, 3}) {
        BuildAndDraw(zoom);
        const int margin = 8 * zoom;
        const int width = 16 * zoom;
        const int height = 8 * zoom;
        SCOPED_TRACE(zoom);
        EXPECT_EQ(view->Image().size(), QSize(256 * zoom, 152 * zoom));
        EXPECT_EQ(At(margin, margin), ColoursOfKind(1).highlight);
        EXPECT_EQ(At(margin + width / 2, margin + height / 2), ColoursOfKind(1).fill);
        EXPECT_EQ(At(margin + width - 1, margin), ColoursOfKind(1).outline);  // highlight stops short
        EXPECT_EQ(At(margin, margin + height - 1), ColoursOfKind(1).outline);
        EXPECT_EQ(At(margin + width - 1, margin + height - 1), ColoursOfKind(1).outline);
        EXPECT_EQ(At(margin + width, margin), ColoursOfKind(4).highlight);
        EXPECT_EQ(At(margin, margin + height), ColoursOfKind(10).highlight);
        EXPECT_EQ(At(margin + 2 * width + 3, margin + 3), kWhite);  // an empty cell in play
    }
}

TEST_F(CBlockViewTest, SilverShowsItsCracks) {
    BuildAndDraw(2);
    SetByte(0, 0, 0x2E);
    SetByte(1, 0, 0x2F);
    SetByte(2, 0, 0x30);
    for (int column = 0; column < 3; ++column) view->Canvas().DrawCell(column, 0);
    const BlockColours& silver = ColoursOfKind(BlockKind::Silver);
    const int y = 16 + 4;  // away from the horizontal crack

    EXPECT_EQ(OffsetsOf(silver.highlight, 16, y, 32), std::set<int>{});
    EXPECT_EQ(OffsetsOf(silver.outline, 16, y, 32), std::set<int>{});

    EXPECT_EQ(OffsetsOf(silver.highlight, 48, y, 32), std::set<int>{16});
    EXPECT_EQ(OffsetsOf(silver.outline, 48, y, 32), std::set<int>{15});
    EXPECT_EQ(At(48 + 16, 16 + 15), silver.highlight);  // the crack runs through the outline

    EXPECT_EQ(OffsetsOf(silver.highlight, 80, y, 32), (std::set<int>{8, 16, 24}));
    EXPECT_EQ(OffsetsOf(silver.outline, 80, y, 32), (std::set<int>{7, 15, 23}));
    // Across: the bright line, cut by the dark halves of the outer cracks drawn after it.
    EXPECT_EQ(OffsetsOf(silver.outline, 80, 16 + 8, 32), (std::set<int>{7, 23}));
    EXPECT_TRUE(AllOf(QRect(80, 16 + 7, 32, 1), silver.outline));
}

TEST_F(CBlockViewTest, KnockedOutBlocksShowOnlyInTheEditorWhichDrawsGridLinesAtTheTopAndLeftOfEachCell) {
    doc.SetCell(3, 3, 2);
    BuildAndDraw(2);
    const QRect cell(16 + 3 * 32, 16 + 3 * 16, 32, 16);
    doc.KnockOut(3, 3);
    view->Canvas().DrawCell(3, 3);
    EXPECT_TRUE(AllOf(cell, kWhite));

    view->RunCommand(ViewCommand::Editor);
    view->RedrawIfInvalidated();
    doc.KnockOut(3, 3);
    view->Canvas().DrawCell(3, 3);
    EXPECT_EQ(At(cell.center().x(), cell.center().y()), ColoursOfKind(2).fill);

    // An empty cell: grid lines along its top and left edges only.
    const QRect empty(16 + 5 * 32, 16 + 5 * 16, 32, 16);
    EXPECT_TRUE(AllOf(QRect(empty.left(), empty.top(), 32, 1), kGrey));
    EXPECT_TRUE(AllOf(QRect(empty.left(), empty.top(), 1, 16), kGrey));
    EXPECT_TRUE(AllOf(empty.adjusted(1, 1, 0, 0), kWhite));
    // No line closes the grid on the right or at the bottom.
    for (int row = 0; row < kGridRows; ++row) EXPECT_TRUE(AllOf(QRect(495, 16 * row + 17, 1, 15), kWhite));
    for (int column = 0; column < kGridColumns; ++column)
        EXPECT_TRUE(AllOf(QRect(32 * column + 17, 207, 31, 1), kWhite));
}

TEST_F(CBlockViewTest, ThePaddleErasesOnlyWhatItUncovers) {
    BuildAndDraw(2);
    GameSession& session = view->Session();
    const int x = 400;
    Set(session, &SessionState::paddleX, x);
    view->Canvas().MovePaddleSprite(x, x);
    const QImage before = view->Image();
    const QRect paddle((x - 8) / 2, 272, 40, 6);

    view->Canvas().MovePaddleSprite(x, x);
    EXPECT_EQ(view->Image(), before);

    view->Canvas().MovePaddleSprite(x, x + 40);
    EXPECT_TRUE(AllOf(QRect(paddle.left(), paddle.top(), 20, 6), kWhite));
    EXPECT_EQ(view->Image().copy(paddle.translated(20, 0)), before.copy(paddle));
}

// The exclamation icon is seen in the main window's and the dialogs' tests.
TEST_F(CBlockViewTest, BoxesCarryTheirIconsAndATimerThatCannotBeSetClosesTheWindow) {
    doc.SetCell(0, 0, 1);
    Build<ViewWithoutTimer>(2);
    view->show();
    const auto seen = MessageBoxesDuring([&] {
        view->ShowMessage("GAME OVER", MessageIcon::Information);
        view->RunCommand(ViewCommand::Demo);
    });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].icon, QMessageBox::Information);
    EXPECT_EQ(seen[0].text, QStringLiteral("GAME OVER"));
    EXPECT_EQ(seen[1].icon, QMessageBox::Critical);
    EXPECT_EQ(seen[1].text, QStringLiteral("タイマーが使用できませんので終了します"));
    EXPECT_FALSE(view->isVisible());
    EXPECT_FALSE(view->Session().State().timerRunning);
}

TEST_F(CBlockViewTest, HeldKeysSteerThePaddleAtEveryTick) {
    doc.SetCell(0, 0, 1);
    settings.WriteString(Settings::kSection, Settings::kUse, Settings::kKeyboard);
    Build(2);
    view->show();
    doc.RestartAtFirstStage();
    GameSession& session = view->Session();
    ASSERT_TRUE(session.State().timerRunning);
    const int start = session.State().paddleX;

    QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &press);
    QTest::qWait(300);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &release);
    const int moved = session.State().paddleX;
    EXPECT_GT(moved, start);
    EXPECT_EQ((moved - start) % 12, 0);  // whole steps at speed 1
    EXPECT_EQ(session.State().ballX, moved);     // the served ball rides along

    QTest::qWait(150);
    EXPECT_EQ(session.State().paddleX, moved);
}

// The buttons launch and pause the ball, the pointer follows its state, and
// a full repaint keeps a paused ball in sight.
TEST_F(CBlockViewTest, ButtonsPauseTheBallAndAFullRepaintKeepsItInSight) {
    doc.SetCell(0, 0, 1);
    settings.WriteString(Settings::kSection, Settings::kHideCursor, Settings::kOn);
    Build(3);
    doc.RestartAtFirstStage();
    GameSession& session = view->Session();
    EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);  // serving: the play pointer
    QTest::mouseClick(view.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_EQ(session.State().ballState, BallState::InFlight);
    EXPECT_EQ(view->cursor().shape(), Qt::BlankCursor);
    QTest::mouseClick(view.get(), Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
    ASSERT_EQ(session.State().ballState, BallState::Paused);
    EXPECT_EQ(view->cursor().shape(), Qt::BitmapCursor);
    Set(session, &SessionState::ballX, 500);  // stopped mid-flight, far from the paddle
    Set(session, &SessionState::ballY, 300);
    const Rect square = BallSquare({500, 300}, 3);
    const QRect ball(square.x, square.y, square.width, square.height);

    view->Canvas().InvalidateView();  // as a zoom change or an uncovered window asks
    view->RedrawIfInvalidated();
    EXPECT_FALSE(AllOf(ball, kWhite));

    // Not while a tick's message box is open: the ball may just have been lost.
    Set(session, &SessionState::busy, true);
    view->Canvas().InvalidateView();
    view->RedrawIfInvalidated();
    EXPECT_TRUE(AllOf(ball, kWhite));
    Set(session, &SessionState::busy, false);
    view->RunCommand(ViewCommand::Demo);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(CBlockViewTest, TheTopWallIsDrawnOnlyByRepaintsThatReachIt) {
    Build(4);  // blank until the first repaint
    view->OnDraw(QRect(300, 400, 40, 20));
    EXPECT_TRUE(AllOf(QRect(0, 0, 1024, 32), kWhite)) << "a repaint low in the playfield leaves the top row";

    view->OnDraw(QRect(340, 0, 40, 20));  // over columns 4 and 5 of the top wall
    EXPECT_FALSE(AllOf(QRect(32 + 4 * 64, 0, 64, 32), kWhite));
    EXPECT_FALSE(AllOf(QRect(32 + 5 * 64, 0, 64, 32), kWhite));
    EXPECT_TRUE(AllOf(QRect(0, 0, 32 + 4 * 64, 32), kWhite)) << "nor the left corner";
    EXPECT_TRUE(AllOf(QRect(32 + 6 * 64, 0, 1024 - 32 - 6 * 64, 32), kWhite)) << "nor the right corner";
}

TEST_F(CBlockViewTest, TheEditorPanelScalesAndNoPaddleIsDrawnOverIt) {
    for (const int zoom : {2, 3, 4}) {
        SCOPED_TRACE(zoom);
        BuildAndDraw(zoom);
        const int paddleX = view->Session().State().paddleX;
        const Rect place = PaddleMove(paddleX, paddleX, ZoomLevel::For(zoom)).picture;
        const QRect paddle(place.x, place.y, place.width, place.height);
        const QImage playing = view->Image().copy(paddle);

        view->RunCommand(ViewCommand::Editor);
        view->RedrawIfInvalidated();
        view->OnDraw(view->Image().rect());  // and a repaint while editing
        EXPECT_NE(view->Image().copy(paddle), playing) << "the paddle is not drawn in the editor";

        // In view units: the panel, the palette's kind 7 in its second row,
        // third column, the sample boxes of the left (1) and right (0) buttons.
        EXPECT_EQ(AtUnits(416, 460, zoom), ViewColours::kPanel);
        EXPECT_EQ(AtUnits(608 + 32, 496 + 16, zoom), ColoursOfKind(7).fill);
        EXPECT_EQ(AtUnits(220 + 32, 528 + 16, zoom), ColoursOfKind(1).fill);
        EXPECT_EQ(AtUnits(292 + 32, 528 + 16, zoom), kWhite);
        EXPECT_EQ(AtUnits(292, 528, zoom), ViewColours::kGridLine);
    }
}

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The stage editor as the designer uses it: presses, drags and releases on
// the view, then the document and the view's pixels.
#include <memory>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include "base/CommandIds.h"
#include "base/Cp932.h"
#include "base/MemorySettingsStore.h"
#include "engine/BlockColours.h"
#include "engine/qt/CBlockView.h"
#include "sound/OutputDevices.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentCommands.h"
#include "tests/engine/SetState.h"
#include "tests/engine/qt/ViewPixels.h"
#include "tests/stages/DocumentWorld.h"

namespace {
constexpr std::int8_t Standing(int kind) { return static_cast<std::int8_t>(kind | BlockAlive); }

// At 50 %: the grid starts at pixel (16, 16) with cells of 32 x 16.
QPoint CellCentre(int column, int row) { return {16 + 32 * column + 16, 16 + 16 * row + 8}; }

class StageEditorTest : public ::testing::Test {
protected:
    StageEditorTest() {
        view = std::make_unique<CBlockView>(doc, settings, NoOutputDevices{});  // zoom 2 by default
        view->RunCommand(ViewCommand::Editor);
        view->RedrawIfInvalidated();
    }

    void Send(QEvent::Type type, QPoint at, Qt::MouseButton button) {
        if (type == QEvent::MouseButtonPress) held |= button;
        if (type == QEvent::MouseButtonRelease) held &= ~Qt::MouseButtons(button);
        QMouseEvent event(type, QPointF(at), view->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &event);
        view->RedrawIfInvalidated();
    }
    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { Send(QEvent::MouseButtonPress, at, button); }
    void Move(QPoint at) { Send(QEvent::MouseMove, at, Qt::NoButton); }
    void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonRelease, at, button);
    }
    void Stroke(std::initializer_list<QPoint> path) {
        Press(*path.begin());
        for (auto at = path.begin() + 1; at != path.end(); ++at) Move(*at);
        Release(*(path.end() - 1));
    }

    Rgb At(QPoint at) const { return PixelAt(view->Image(), at); }
    Rgb FillAt(int column, int row) const { return At(CellCentre(column, row)); }

    // Kind of each cell of the current stage's top `rows` rows, as text.
    std::string Kinds(int rows = 1) const {
        std::string kinds;
        for (int row = 0; row < rows; ++row) {
            if (row > 0) kinds += '/';
            for (int column = 0; column < kGridColumns; ++column)
                kinds += "0123456789abcde"[doc.Cell(column, row) & ~BlockAlive];
        }
        return kinds;
    }

    CBlockDoc doc;
    MemorySettingsStore settings;
    std::unique_ptr<CBlockView> view;
    Qt::MouseButtons held;
};

constexpr Rgb kWhite = ViewColours::kBackground;
}  // namespace

TEST_F(StageEditorTest, APaletteEntryBecomesTheButtonsKindWithoutPainting) {
    const QPoint kind7(304 + 16, 248 + 8);  // second row, third column
    const QPoint leftSample(110 + 16, 264 + 8);
    Press(kind7);
    Move(CellCentre(0, 0));
    Release(CellCentre(0, 0));
    EXPECT_EQ(view->Editor().LeftKind(), 7);
    EXPECT_EQ(At(leftSample), ColoursOfKind(7).fill);
    EXPECT_EQ(doc.CountBlocks(), 0) << "no drag started";
    EXPECT_FALSE(doc.IsModified());

    Press(kind7 + QPoint(64, 16), Qt::RightButton);  // kind 14, silver
    EXPECT_EQ(view->Editor().RightKind(), 14);
    EXPECT_EQ(At({146 + 16, 264 + 8}), ColoursOfKind(BlockKind::Silver).fill);
    Press(CellCentre(4, 4));
    EXPECT_EQ(doc.Cell(4, 4), Standing(7));
}

TEST_F(StageEditorTest, ADragPaintsWhereTheMovesAreAndNothingOutsideTheGridAndEndsWhenNoButtonIsHeldOrABoxTakesTheMouse) {
    // Moves at columns 0, 1, 3: column 2 lies between two events and stays empty.
    Stroke({CellCentre(0, 0), CellCentre(1, 0), CellCentre(3, 0), {16 + 32 * 5 + 2, 8},  // up on the top wall
            CellCentre(6, 0), {600, 20}});                                                  // released outside
    EXPECT_EQ(Kinds(), "110100100000000");
    EXPECT_EQ(FillAt(2, 0), kWhite);
    EXPECT_EQ(FillAt(6, 0), ColoursOfKind(1).fill) << "coming back onto the grid paints again";

    Move(CellCentre(8, 0));
    EXPECT_EQ(doc.Cell(8, 0), 0) << "the drag ended with the release";
    doc.ClearStage();

    Press(CellCentre(0, 0));
    held = Qt::NoButton;  // the release went to a box that opened mid-drag
    Move(CellCentre(1, 0));
    held = Qt::LeftButton;
    Move(CellCentre(2, 0));
    EXPECT_EQ(Kinds(), "100000000000000") << "a move with no button held ends the drag";

    Press(CellCentre(0, 1));
    QEvent blocked(QEvent::WindowBlocked);
    QApplication::sendEvent(view.get(), &blocked);
    Move(CellCentre(1, 1));
    EXPECT_EQ(Kinds(2), "100000000000000/100000000000000") << "a modal box took the mouse";
}

TEST_F(StageEditorTest, ReleasingTheRightButtonDuringALeftDragPaintsWithTheRightKind) {
    doc.SetCell(5, 5, 3);
    Press(CellCentre(4, 5));
    Press(CellCentre(4, 5), Qt::RightButton);  // the right press takes the drag over
    Move(CellCentre(6, 5));
    Release(CellCentre(5, 5), Qt::RightButton);
    EXPECT_EQ(doc.Cell(4, 5), 0);
    EXPECT_EQ(doc.Cell(5, 5), 0) << "painted with the right kind, which erases";
    EXPECT_EQ(doc.Cell(6, 5), 0);

    doc.SetCell(4, 5, 3);
    Press(CellCentre(1, 1));
    Press(CellCentre(1, 1), Qt::RightButton);
    Release(CellCentre(4, 5), Qt::LeftButton);
    EXPECT_EQ(doc.Cell(4, 5), Standing(1)) << "the release paints with its own button's kind";
    Move(CellCentre(7, 7));
    Release(CellCentre(7, 7), Qt::RightButton);
    EXPECT_EQ(doc.Cell(7, 7), 0) << "the first release ended the drag";
}

TEST_F(StageEditorTest, PressesOnTheWallsOrBesideThePaletteDoNothing) {
    for (const QPoint at : {QPoint(15, 50), QPoint(50, 15), QPoint(239, 240), QPoint(250, 231), QPoint(400, 290)}) {
        SCOPED_TRACE(at.x() * 1000 + at.y());
        Press(at);
        Move(CellCentre(3, 3));
        Release(CellCentre(3, 3));
        EXPECT_EQ(doc.CountBlocks(), 0);
        EXPECT_EQ(view->Editor().LeftKind(), 1);
    }
    EXPECT_FALSE(doc.IsModified());
    Press({16, 16});  // the first pixel of the grid, with the initial kind
    EXPECT_EQ(doc.Cell(0, 0), Standing(1));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(StageEditorTest, ClearingAStageLeavesTheOtherNine) {
    for (int stage = 0; stage < kStageCount; ++stage) {
        doc.CellsOf(stage)[16] = Standing(stage + 1);
        doc.m_bonusBall[stage] = 1;
    }
    for (int step = 0; step < 4; ++step) view->Editor().NextStage();
    ASSERT_EQ(doc.CurrentStage(), 4);  // the fifth stage
    view->RedrawIfInvalidated();
    ASSERT_EQ(FillAt(1, 1), ColoursOfKind(5).fill);

    view->Editor().DeleteStage();
    view->RedrawIfInvalidated();
    EXPECT_EQ(doc.CountBlocks(), 0);
    EXPECT_EQ(doc.m_bonusBall[4], 0);
    EXPECT_EQ(FillAt(1, 1), kWhite) << "the view was repainted";
    EXPECT_TRUE(doc.IsModified());
    for (int stage = 0; stage < kStageCount; ++stage) {
        if (stage == 4) continue;
        EXPECT_EQ(doc.CellsOf(stage)[16], Standing(stage + 1)) << stage;
        EXPECT_EQ(doc.m_bonusBall[stage], 1) << stage;
    }
}

// The bounds of the stage commands are pressed as keys in the main window's test.
TEST_F(StageEditorTest, NextStageInPlayRestartsTheGameAndStopsAtTheLast) {
    for (int stage = 0; stage < kStageCount; ++stage) doc.CellsOf(stage)[0] = 5;
    view->RunCommand(ViewCommand::Play);
    GameSession& session = view->Session();
    Set(session, &SessionState::score, 120);
    Set(session, &SessionState::ballsLeft, 1);
    Set(session, &SessionState::ballState, BallState::InFlight);
    view->Editor().NextStage();
    EXPECT_EQ(doc.CurrentStage(), 1);
    EXPECT_EQ(session.State().score, 0);
    EXPECT_EQ(session.State().ballsLeft, 3);
    EXPECT_EQ(session.State().ballState, BallState::Serving);
    EXPECT_EQ(session.State().mode, GameMode::Play);

    doc.m_nStage = 9;
    view->Editor().NextStage();
    EXPECT_EQ(doc.CurrentStage(), 9) << "the view refuses a step past the end itself";
}

TEST_F(StageEditorTest, UndoTakesBackAWholeDragAndRedoPaintsItAgain) {
    doc.SetCell(14, 11, 2);  // a stage to play on later
    EXPECT_FALSE(view->Editor().IsCommandEnabled(CommandId::EditUndo));
    Stroke({CellCentre(0, 2), CellCentre(1, 2), CellCentre(2, 2), CellCentre(3, 2)});
    ASSERT_EQ(Kinds(3), "000000000000000/000000000000000/111100000000000");
    ASSERT_TRUE(view->Editor().IsCommandEnabled(CommandId::EditUndo));

    view->Editor().Undo();
    view->RedrawIfInvalidated();
    EXPECT_EQ(Kinds(3), "000000000000000/000000000000000/000000000000000");
    for (int column = 0; column < 4; ++column) EXPECT_EQ(FillAt(column, 2), kWhite) << column;
    EXPECT_TRUE(doc.IsModified()) << "the file still differs from the set";
    EXPECT_FALSE(view->Editor().IsCommandEnabled(CommandId::EditUndo));
    EXPECT_TRUE(view->Editor().IsCommandEnabled(CommandId::EditRedo));

    view->Editor().Redo();
    view->RedrawIfInvalidated();
    EXPECT_EQ(Kinds(3), "000000000000000/000000000000000/111100000000000");
    for (int column = 0; column < 4; ++column) EXPECT_EQ(FillAt(column, 2), ColoursOfKind(1).fill) << column;

    view->Editor().Undo();
    Stroke({CellCentre(9, 0)});
    EXPECT_FALSE(view->Editor().IsCommandEnabled(CommandId::EditRedo)) << "a new stroke drops the redo step";
    view->Editor().Redo();
    EXPECT_EQ(Kinds(3), "000000000100000/000000000000000/000000000000000");
    view->Editor().Undo();
    EXPECT_EQ(doc.CountBlocks(), 1);

    view->RunCommand(ViewCommand::Play);
    Stroke({CellCentre(9, 0)});
    EXPECT_FALSE(view->Editor().IsCommandEnabled(CommandId::EditRedo)) << "only in the editor";
    view->Editor().Redo();
    EXPECT_EQ(doc.CountBlocks(), 1);
}

TEST_F(StageEditorTest, BonusMessageAndClearingAreUndoneOnTheirOwnStage) {
    doc.SetMessage(*Utf8ToCp932("おめでとう"));
    doc.SetModifiedFlag(false);
    Stroke({CellCentre(3, 3)});
    view->Editor().NextStage();
    view->Editor().BonusBall();
    EXPECT_TRUE(view->Editor().IsCommandChecked(CommandId::BonusBall));

    // The dialog shows the current text in the option dialogs' test.
    const auto answer = [](std::optional<std::string> reply) {
        return [reply](const std::string&, QWidget*) { return reply; };
    };
    EXPECT_FALSE(view->Editor().AllClearMessage(answer(std::nullopt), view.get()));
    EXPECT_TRUE(view->Editor().AllClearMessage(answer("全面クリア!"), view.get()));
    EXPECT_EQ(Cp932ToUtf8(doc.MessageText()), "全面クリア!");

    view->Editor().Undo();
    EXPECT_EQ(Cp932ToUtf8(doc.MessageText()), "おめでとう");
    view->Editor().Undo();
    EXPECT_FALSE(doc.BonusBall());
    view->Editor().Undo();
    EXPECT_EQ(doc.CurrentStage(), 0) << "the stroke is taken back where it was painted";
    EXPECT_EQ(doc.CountBlocks(), 0);
    view->Editor().Redo();
    EXPECT_EQ(doc.Cell(3, 3), Standing(1));
}

TEST_F(StageEditorTest, PaintingEnablesSaveAndANewSetEmptiesTheHistory) {
    FakeDocumentFiles files;
    FakeDocumentUi ui;
    doc.AttachServices({&files, &ui, &settings});
    DocumentCommands commands(doc);
    files.files["/sets/a.blc"] = PatternWith(3);
    ASSERT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
    for (const int command : {CommandId::FileSave, CommandId::FileSaveAs})
        EXPECT_FALSE(view->Editor().IsCommandEnabled(command)) << command;

    Stroke({CellCentre(1, 0), CellCentre(2, 0)});
    for (const int command : {CommandId::FileSave, CommandId::FileSaveAs})
        EXPECT_TRUE(view->Editor().IsCommandEnabled(command)) << command;
    // Saving itself, and the rule outside the editor, are the document's and the rules' tests.

    ASSERT_TRUE(view->Editor().IsCommandEnabled(CommandId::EditUndo));
    ui.saveAnswer = SaveAnswer::No;
    ASSERT_TRUE(view->Editor().IsCommandEnabled(CommandId::FileNew));
    ASSERT_TRUE(commands.FileNew());
    EXPECT_FALSE(view->Editor().IsCommandEnabled(CommandId::EditUndo));
    EXPECT_EQ(view->Editor().History().count(), 0);
}

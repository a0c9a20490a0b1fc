// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window around a started program: its commands' rules reached
// through keys and buttons, its panes, its size, its memory of place and
// bars, and dropped files.
#include "shell/qt/CMainFrame.h"

#include <QAbstractButton>
#include <QAction>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <optional>

#include "base/CommandIds.h"
#include "engine/BallSprite.h"
#include "shell/qt/CommandTable.h"
#include "shell/qt/GameStatusBar.h"
#include "tests/base/qt/MessageBoxes.h"
#include "tests/engine/SetState.h"
#include "tests/shell/qt/StartedApp.h"

namespace {
using namespace Settings;

class CMainFrameTest : public StartedApp {
protected:
    CMainFrame& StartFrame() {
        app = Start({WriteSet("set.blc")});
        EXPECT_TRUE(started);
        CMainFrame& frame = *app->MainWindow();
        QApplication::setActiveWindow(&frame);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&frame));
        ui.log.clear();
        return frame;
    }
    GameSession& Session() { return SessionOf(*app); }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(app->MainWindow(), static_cast<Qt::Key>(key), modifiers);
    }
    void ClickButton(int command) {
        CMainFrame& frame = *app->MainWindow();
        QTest::mouseClick(frame.ToolBar()->widgetForAction(frame.Commands().Action(command)), Qt::LeftButton);
    }
    // Drops local files on the window, closing any box it raises; returns the box.
    SeenBox Drop(const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& path : paths) urls.push_back(QUrl::fromLocalFile(path));
        QMimeData data;
        data.setUrls(urls);
        const std::vector<SeenBox> seen = MessageBoxesDuring([&] {
            // Qt delivers a drop to the widget that took the drag when it entered.
            QDragEnterEvent enter(QPoint(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(app->MainWindow(), &enter);
            QDropEvent drop(QPointF(40, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(app->MainWindow(), &drop);
        });
        return seen.empty() ? SeenBox{} : seen.back();
    }

    std::unique_ptr<CBlockApp> app;
};

TEST_F(CMainFrameTest, DisabledCommandsDoNothingFromTheirKeysOrButtons) {
    CMainFrame& frame = StartFrame();

    app->Doc().SetModifiedFlag();
    Press(Qt::Key_S);  // saving is for the editor
    EXPECT_TRUE(app->Doc().IsModified());
    EXPECT_TRUE(ui.log.empty()) << "nothing written, not even the wait cursor";

    Set(Session(), &SessionState::score, 120);
    Press(Qt::Key_B);  // already on the first stage: no new game either
    EXPECT_EQ(Session().State().score, 120);
    Press(Qt::Key_F);
    Press(Qt::Key_F);
    Press(Qt::Key_B);
    EXPECT_EQ(app->Doc().CurrentStage(), 1) << "the keys themselves work";
    app->Doc().m_nStage = 9;
    Press(Qt::Key_F);  // the stage set would wrap to the first stage
    EXPECT_EQ(app->Doc().CurrentStage(), 9);

    ClickButton(CommandId::SpeedTurbo);
    EXPECT_EQ(Session().State().speed, 3);
    EXPECT_EQ(settings.ReadInt(kSection, kSpeed, -1), 3);
    EXPECT_TRUE(frame.Commands().Action(CommandId::SpeedTurbo)->isChecked());
    Press(Qt::Key_E);
    ASSERT_EQ(Session().State().mode, GameMode::Editor);
    ClickButton(CommandId::SpeedSlow);  // the speed buttons are for play
    EXPECT_EQ(Session().State().speed, 3);
    EXPECT_EQ(settings.ReadInt(kSection, kSpeed, -1), 3);
    Press(Qt::Key_Escape, Qt::NoModifier);  // no pause in the editor
    EXPECT_NE(Session().State().ballState, BallState::Paused);
    EXPECT_FALSE(frame.Commands().Run(CommandId::ControlDialog));

    Press(Qt::Key_S);
    EXPECT_TRUE(ui.Saw("wait")) << "modified in the editor: now it saves";
    EXPECT_FALSE(app->Doc().IsModified());
}

TEST_F(CMainFrameTest, TheWindowFitsThePlayfieldAndTheBarsThatShow) {
    CMainFrame& frame = StartFrame();
    EXPECT_EQ(frame.StatusBar()->PaneLabel(GameStatusBar::StagePane)->text(), QStringLiteral("ステージ   1"));
    EXPECT_EQ(frame.StatusBar()->PaneLabel(GameStatusBar::BallsLeftPane)->text(), QStringLiteral("残りボール   2"));

    EXPECT_EQ(frame.width(), 512) << "50 %";
    const QSize playfield = frame.View()->size();
    EXPECT_EQ(playfield, QSize(512, 304));
    const int toolbarHeight = frame.ToolBar()->height();
    const int heightWithToolbar = frame.height();
    ASSERT_GT(toolbarHeight, 0);

    frame.Commands().Action(CommandId::ToggleToolbar)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(frame.height(), heightWithToolbar - toolbarHeight);
    EXPECT_EQ(frame.View()->size(), playfield);
    EXPECT_EQ(frame.View()->geometry().bottom() + 1, frame.StatusBar()->geometry().top()) << "nothing between";
    EXPECT_FALSE(frame.Commands().Action(CommandId::ToggleToolbar)->isChecked());
}

// The size and place the main window has when the toolkit makes its window.
class MadeWindow : public QObject {
public:
    MadeWindow() { QApplication::instance()->installEventFilter(this); }
    ~MadeWindow() override { QApplication::instance()->removeEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* frame = qobject_cast<CMainFrame*>(watched); frame && event->type() == QEvent::WinIdChange && !made) {
            made = QRect(frame->pos(), frame->size());
        }
        return false;
    }
    std::optional<QRect> made;
};

// A window resized after it is made has its stored place taken by the window
// manager for its client area's: it would open a title bar's height too high,
// and climb by as much at every start.
TEST_F(CMainFrameTest, TheWindowIsMadeAtItsStoredPlaceAndFittedSize) {
    settings.WriteInt(kSection, kLeft, 100);
    settings.WriteInt(kSection, kTop, 80);
    settings.WriteInt(kSection, kZoom, 3);
    MadeWindow watch;
    CMainFrame& frame = StartFrame();
    ASSERT_TRUE(watch.made);
    EXPECT_EQ(*watch.made, QRect(QPoint(100, 80), frame.size()));
    EXPECT_EQ(frame.width(), 768);
}

TEST_F(CMainFrameTest, AnotherProgramTakingTheFocusPausesABallInFlight) {
    CMainFrame& frame = StartFrame();
    Press(Qt::Key_Space, Qt::NoModifier);
    ASSERT_EQ(Session().State().ballState, BallState::InFlight);
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_EQ(Session().State().ballState, BallState::Paused);
    EXPECT_TRUE(frame.Commands().Action(CommandId::Pause)->isChecked());
    Press(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(Session().State().ballState, BallState::InFlight) << "Esc goes on";
}

TEST_F(CMainFrameTest, SmoothMotionIsAViewItemStoredAtOnceThatShowsTheBallAlongItsLastTick) {
    CMainFrame& frame = StartFrame();
    QAction* smooth = frame.Commands().Action(CommandId::ToggleSmoothMotion);
    EXPECT_EQ(smooth->text(), QStringLiteral("なめらかな動き(&M)"));
    const QList<QAction*> viewMenu = frame.menuBar()->actions().at(3)->menu()->actions();
    EXPECT_TRUE(viewMenu.contains(smooth));
    EXPECT_TRUE(smooth->isCheckable());
    EXPECT_FALSE(smooth->isChecked()) << "off at the first start";

    Press(Qt::Key_Space, Qt::NoModifier);
    QTest::qWait(120);
    EXPECT_FALSE(frame.View()->ShownBall()) << "off: the ball is where the ticks draw it";

    smooth->trigger();
    EXPECT_TRUE(smooth->isChecked());
    EXPECT_EQ(settings.ReadInt(kSection, kSmooth, -1), 1);
    // Between ticks the ball is shown on the path the last tick took.
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame.View()->ShownBall().has_value(); }, 1000));
    const Point shown = *frame.View()->ShownBall();
    const auto [left, right] = std::ranges::minmax(Session().LastPath().Places(), {}, &Point::x);
    const auto [top, bottom] = std::ranges::minmax(Session().LastPath().Places(), {}, &Point::y);
    EXPECT_TRUE(shown.x >= left.x && shown.x <= right.x && shown.y >= top.y && shown.y <= bottom.y);
    const Rect ball = BallSquare({Session().State().ballX, Session().State().ballY}, 2);
    EXPECT_NE(frame.View()->Image().pixelColor(ball.x + ball.width / 2, ball.y + ball.height / 2), QColor(Qt::white))
        << "the picture the ticks draw keeps the ball where the rules put it";

    smooth->trigger();
    EXPECT_EQ(settings.ReadInt(kSection, kSmooth, -1), 0);
    EXPECT_FALSE(frame.View()->ShownBall()) << "turned off in flight: at once where the ticks draw it";
    smooth->trigger();
    Press(Qt::Key_Escape, Qt::NoModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame.View()->ShownBall(); }, 1000)) << "paused: nothing moves";
    ASSERT_TRUE(frame.close());
    app.reset();
    settings.WriteInt(kSection, kSmooth, 1);
    app = Start();
    ASSERT_TRUE(started);
    EXPECT_TRUE(app->MainWindow()->View()->SmoothMotionOn()) << "read at the start";
}

TEST_F(CMainFrameTest, TheZoomCommandRefitsTheWindowOnOkAndWritesNothingOnCancel) {
    CMainFrame& frame = StartFrame();
    const QSize before = frame.size();
    const auto answerZoomDialog = [](const char* radio, const char* button) {
        WhenDialogOpens([radio, button](QWidget& dialog) {
            dialog.findChild<QAbstractButton*>(radio)->click();
            dialog.findChild<QAbstractButton*>(button)->click();
        });
    };
    settings.WriteInt(kSection, kZoom, 7);  // a stray value shows whether Cancel writes
    answerZoomDialog("id103", "id2");
    frame.Commands().Action(CommandId::Zoom)->trigger();
    EXPECT_EQ(settings.ReadInt(kSection, kZoom, 0), 7);
    EXPECT_EQ(frame.size(), before);

    answerZoomDialog("id103", "id1");  // 75 %
    frame.Commands().Action(CommandId::Zoom)->trigger();
    EXPECT_EQ(settings.ReadInt(kSection, kZoom, 0), 3);
    EXPECT_EQ(frame.View()->size(), QSize(768, 456));
    EXPECT_EQ(frame.width(), 768);
    EXPECT_EQ(frame.height() - before.height(), 456 - 304) << "the bars keep their heights";
}

TEST_F(CMainFrameTest, PlaceBarsAndZoomAreRememberedForTheNextStart) {
    CMainFrame& frame = StartFrame();
    frame.Commands().Action(CommandId::ToggleToolbar)->trigger();
    frame.move(120, 45);
    ASSERT_TRUE(frame.close());
    EXPECT_EQ(settings.ReadInt(kSection, kLeft, 0), 120);
    EXPECT_EQ(settings.ReadInt(kSection, kTop, 0), 45);
    EXPECT_EQ(Stored(kToolbar), "Off");
    EXPECT_EQ(Stored(kStatusBar), "On");

    app.reset();
    settings.WriteInt(kSection, kZoom, 3);
    app = Start();
    ASSERT_TRUE(started);
    CMainFrame& again = *app->MainWindow();
    EXPECT_TRUE(again.ToolBar()->isHidden());
    EXPECT_FALSE(again.StatusBar()->isHidden());
    EXPECT_EQ(again.pos(), QPoint(120, 45));
    EXPECT_EQ(again.width(), 768) << "fitted to the stored 75 % from the start";

    // A minimised window's place is no place to start from; its bars still count.
    again.showMinimized();
    again.move(300, 200);
    again.Commands().Action(CommandId::ToggleStatusBar)->trigger();
    ASSERT_TRUE(again.close());
    EXPECT_EQ(settings.ReadInt(kSection, kLeft, 0), 120);
    EXPECT_EQ(settings.ReadInt(kSection, kTop, 0), 45);
    EXPECT_EQ(Stored(kStatusBar), "Off");
}

TEST_F(CMainFrameTest, OneDroppedStageSetOpensAndAnythingElseDoesNot) {
    StartFrame();
    const QString other = WriteSet("other.blc");
    const SeenBox several = Drop({other, WriteSet("third.blc")});
    EXPECT_EQ(several.text, QStringLiteral("複数のファイルを一度にドロップできません"));
    EXPECT_EQ(several.icon, QMessageBox::Warning);
    EXPECT_EQ(app->Doc().GetTitle(), "set.blc");

    EXPECT_EQ(Drop({WriteSet("set.BLC.txt")}).text, QString());  // a folder is the drop rules' test
    EXPECT_EQ(app->Doc().GetTitle(), "set.blc");

    // A long path is opened whole.
    const QString deep = QString(100, 'a') + "/" + QString(100, 'b');
    QDir(dir.path()).mkpath(deep);
    const QString name = deep + "/" + QString(300 - dir.path().size() - deep.size() - 2 - 4, 'c') + ".Blc";
    const QString longPath = WriteSet(name);
    ASSERT_EQ(longPath.size(), 300);
    EXPECT_EQ(Drop({longPath}).text, QString());
    EXPECT_EQ(app->Doc().GetPathName(), longPath.toStdString());
}

TEST_F(CMainFrameTest, TheSoundCommandOpensTheSoundDialogAndItsOkStoresTheSwitches) {
    CMainFrame& frame = StartFrame();
    QString title;
    WhenDialogOpens([&title](QWidget& dialog) {
        title = dialog.windowTitle();
        dialog.findChild<QAbstractButton*>("id146")->click();
        dialog.findChild<QAbstractButton*>("id1")->click();
    });
    frame.Commands().Action(CommandId::SoundDialog)->trigger();
    EXPECT_EQ(title, "サウンド");
    EXPECT_TRUE(Session().State().effectsEnabled);
    EXPECT_EQ(settings.ReadInt(kSection, kSound, -1), kSoundEffectsBit);
}
}  // namespace

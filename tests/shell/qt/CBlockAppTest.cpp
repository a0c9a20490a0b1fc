// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up and close with a real settings file and real stage
// files in a temporary directory; the dialogs and reports are faked.
#include "tests/shell/qt/StartedApp.h"

#include <csignal>

#include <QEventLoop>
#include <QTimer>

#include "tests/stages/qt/ChildProcess.h"

namespace {
using namespace Settings;

using CBlockAppTest = StartedApp;

TEST_F(CBlockAppTest, TheFirstRunOpensTheShippedSetAndTheViewChecksItsSettings) {
    const QString shipped = WriteSet("bin/SYSTEM.BLC");
    settings.WriteInt(kSection, kZoom, 1);
    auto app = Start();
    ASSERT_TRUE(started);
    EXPECT_EQ(app->Doc().GetPathName(), shipped.toStdString());
    EXPECT_EQ(ui.caption, "Zembrovaltine - SYSTEM.BLC");
    EXPECT_TRUE(app->MainWindow()->isVisible());
    EXPECT_EQ(app->Effects().PathOf(SoundEvent::PaddleTop), dir.filePath("bin/TOPPADL.WAV").toStdString());

    // The settings' rules are the game settings' tests; that the view applies them, here.
    EXPECT_EQ(app->MainWindow()->View()->Zoom().zoom, 2);
    EXPECT_EQ(settings.ReadInt(kSection, kZoom, 0), 2) << "clamped and written back";
    QFile onDisk(dir.filePath("settings.ini"));
    ASSERT_TRUE(onDisk.open(QIODevice::ReadOnly));
    EXPECT_TRUE(onDisk.readAll().contains("Zoom=2")) << "what the start-up wrote is in the file with the window";
}

TEST_F(CBlockAppTest, ALastSetThatCannotBeOpenedLeadsToTheReportAndOneOpenDialog) {
    const std::string gone = dir.filePath("gone.blc").toStdString();
    settings.WriteString(kSection, kPattern, gone);
    auto app = Start();
    EXPECT_FALSE(started) << "dialog cancelled: the program ends";
    EXPECT_TRUE(ui.Saw("load failure: ﾌｧｲﾙ " + gone + " が見つかりません。"));
    EXPECT_EQ(ui.log.back(), "open dialog");
    EXPECT_FALSE(app->MainWindow()->isVisible());

    // A set that was never saved is remembered as the empty path.
    settings.WriteString(kSection, kPattern, "");
    ui.log.clear();
    ui.openAnswers = {WriteSet("picked.blc").toStdString()};
    auto second = Start();
    EXPECT_TRUE(started);
    EXPECT_TRUE(ui.Saw("load failure: 無効なﾌｧｲﾙ名です。"));
    EXPECT_EQ(second->Doc().GetTitle(), "picked.blc");
    EXPECT_TRUE(second->MainWindow()->isVisible());
}

TEST_F(CBlockAppTest, ASetFromTheCommandLineIsRememberedWhenTheWindowCloses) {
    const QString set = WriteSet("my set.blc");
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    auto app = Start({"my", "set.blc"});  // relative, and split by the shell: still one path
    QDir::setCurrent(previous);
    ASSERT_TRUE(started);

    SessionOf(*app).SetHighScore(640);
    app->Doc().SetModifiedFlag();
    ui.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(app->MainWindow()->close());
    EXPECT_TRUE(app->MainWindow()->isVisible()) << "cancel keeps the window";
    // That the set and score are stored before the question is the document's test.

    ui.saveAnswer = SaveAnswer::No;
    EXPECT_TRUE(app->MainWindow()->close());
    app.reset();

    auto next = Start();
    ASSERT_TRUE(started);
    EXPECT_EQ(next->Doc().GetPathName(), set.toStdString());
    EXPECT_EQ(SessionOf(*next).State().highScore, 640);
}

// A box of the start-up whose loop a signal meets: without the program's own
// end, that loop alone would end and the start-up go on to a main loop with
// no window; with none, the signal kills the program where it stands.
class SignalledUi : public FakeDocumentUi {
public:
    void ReportLoadFailure(std::string_view text) override {
        FakeDocumentUi::ReportLoadFailure(text);
        RunBoxMeetingASignal();
    }
    void ShowMessage(std::string_view text, MessageIcon icon) override {
        FakeDocumentUi::ShowMessage(text, icon);
        RunBoxMeetingASignal();
    }

private:
    static void RunBoxMeetingASignal() {
        QEventLoop box;
        QTimer::singleShot(0, [] { std::raise(SIGTERM); });
        QTimer::singleShot(3000, &box, &QEventLoop::quit);
        box.exec();
    }
};

TEST_F(CBlockAppTest, ASignalDuringAStartUpBoxEndsTheProgram) {
    const std::string ended = ChildProcess::Run([this] {
        SignalledUi signalled;
        // Before the set is open: the report of a set that cannot be read.
        settings.WriteString(kSection, kPattern, dir.filePath("gone.blc").toStdString());
        const QString recovery = dir.filePath("recovery");
        const CBlockApp::Environment environment{dir.filePath("bin/zembrovaltine"), {"z"}, &settings, &signalled,
                                                 recovery};
        auto app = std::make_unique<CBlockApp>(environment);
        if (app->InitInstance()) return 1;
        app.reset();
        // The program would end here; the main loop, run once, clears its
        // request that every event loop end.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();

        // After it: the notice of the last run's recovery copies.
        QDir().mkpath(recovery);
        QFile notes(recovery + "/pending.txt");
        if (!notes.open(QIODevice::WriteOnly) || notes.write("kept\t/d/a.blc\n") < 0) return 4;
        notes.close();
        settings.WriteString(kSection, kPattern, WriteSet("a.blc").toStdString());
        app = std::make_unique<CBlockApp>(environment);
        if (app->InitInstance() || app->MainWindow()->isVisible()) return 2;
        return signalled.log.back().starts_with("message: ") ? 0 : 3;
    });
    EXPECT_EQ(ended, "exit 0");
}
}  // namespace

// The program's start-up and close with a real settings file and real stage
// files in a temporary directory; the dialogs and reports are faked.
#include "shell/qt/CBlockApp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "engine/qt/CBlockView.h"
#include "shell/SettingsKeys.h"
#include "shell/qt/PlayWindow.h"
#include "shell/qt/QtSettingsStore.h"
#include "stages/PatternFile.h"
#include "tests/stages/DocumentFakes.h"
#include "tests/stages/qt/FileSizeLimit.h"

namespace {
using namespace Settings;

class CBlockAppTest : public ::testing::Test {
protected:
    CBlockAppTest() : settings(dir.filePath("settings.ini")) {
        QDir(dir.path()).mkdir("bin");
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // A stage set whose first stage holds one block, so a game can start on it.
    QString WriteSet(const QString& name, int kind = 3) {
        CBlockDoc source;
        source.SetCell(4, 2, kind);
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(PatternFile::Encode(source)));
        return path;
    }
    std::unique_ptr<CBlockApp> Start(QStringList arguments = {}) {
        arguments.prepend("zembrovaltine");
        auto app = std::make_unique<CBlockApp>(
            CBlockApp::Environment{dir.filePath("bin/zembrovaltine"), arguments, &settings, &ui});
        started = app->InitInstance();
        return app;
    }
    static GameSession& SessionOf(CBlockApp& app) { return app.MainWindow()->View()->Session(); }
    std::string Stored(std::string_view key) { return settings.ReadString(kSection, key, "(missing)"); }
    bool UiSaw(const std::string& line) const { return ui.Saw(line); }

    QTemporaryDir dir;
    QtSettingsStore settings;
    FakeDocumentUi ui;
    bool started = false;
};

TEST_F(CBlockAppTest, TheFirstRunOpensTheShippedSetBesideTheProgram) {
    const QString shipped = WriteSet("bin/SYSTEM.BLC");
    auto app = Start();
    ASSERT_TRUE(started);
    EXPECT_EQ(app->ProgramDir(), dir.filePath("bin/").toStdString());
    EXPECT_EQ(app->Doc().GetPathName(), shipped.toStdString());
    EXPECT_EQ(ui.caption, "Zembrovaltine - SYSTEM.BLC");
    EXPECT_TRUE(app->MainWindow()->isVisible());
    EXPECT_EQ(app->Effects().PathOf(SoundEvent::PaddleTop), dir.filePath("bin/TOPPADL.WAV").toStdString());
    EXPECT_EQ(Stored(kPattern), "(missing)") << "nothing is written until the window closes";
}

TEST_F(CBlockAppTest, ALastSetThatCannotBeOpenedLeadsToTheReportAndOneOpenDialog) {
    const std::string gone = dir.filePath("gone.blc").toStdString();
    settings.WriteString(kSection, kPattern, gone);
    auto app = Start();
    EXPECT_FALSE(started) << "dialog cancelled: the program ends";
    EXPECT_TRUE(UiSaw("load failure: ﾌｧｲﾙ " + gone + " が見つかりません。"));
    EXPECT_EQ(ui.log.back(), "open dialog");
    EXPECT_FALSE(app->MainWindow()->isVisible());

    // A set that was never saved is remembered as the empty path.
    settings.WriteString(kSection, kPattern, "");
    ui.log.clear();
    ui.openAnswers = {WriteSet("picked.blc").toStdString()};
    auto second = Start();
    EXPECT_TRUE(started);
    EXPECT_TRUE(UiSaw("load failure: 無効なﾌｧｲﾙ名です。"));
    EXPECT_TRUE(UiSaw("open dialog"));
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

    SessionOf(*app).highScore = 640;
    app->Doc().SetModifiedFlag();
    ui.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(app->MainWindow()->close());
    EXPECT_TRUE(app->MainWindow()->isVisible()) << "cancel keeps the window";
    EXPECT_EQ(Stored(kPattern), set.toStdString()) << "written before the question all the same";
    EXPECT_EQ(settings.ReadInt(kSection, HighScoreKey("my set.blc"), 0), 640);

    ui.saveAnswer = SaveAnswer::No;
    EXPECT_TRUE(app->MainWindow()->close());
    app.reset();

    auto next = Start();
    ASSERT_TRUE(started);
    EXPECT_EQ(next->Doc().GetPathName(), set.toStdString());
    EXPECT_EQ(SessionOf(*next).highScore, 640);
}

TEST_F(CBlockAppTest, TheViewsSettingsCountOnlyInTheirExactFormAndZoomIsClamped) {
    WriteSet("bin/SYSTEM.BLC");
    settings.WriteString(kSection, kUse, "keyboard");
    settings.WriteString(kSection, kHideCursor, "ON");
    settings.WriteInt(kSection, kZoom, 1);
    auto app = Start();
    ASSERT_TRUE(started);
    EXPECT_FALSE(SessionOf(*app).keyboardControl) << "mouse control";
    EXPECT_FALSE(SessionOf(*app).hideCursor) << "the pointer stays visible";
    EXPECT_EQ(settings.ReadInt(kSection, kZoom, 0), 2);
    app.reset();

    settings.WriteInt(kSection, kZoom, 9);
    auto again = Start();
    const int zoom = again->MainWindow()->View()->Zoom().zoom;
    EXPECT_GE(zoom, 2);
    EXPECT_LE(zoom, 4);
    EXPECT_EQ(settings.ReadInt(kSection, kZoom, 0), zoom) << "the level in use is written back";
}

TEST_F(CBlockAppTest, EachSetKeepsItsOwnBestScore) {
    const QString a = WriteSet("bin/SYSTEM.BLC");
    const QString b = WriteSet("b.blc");
    settings.WriteInt(kSection, HighScoreKey("SYSTEM.BLC"), 65536 + 12);
    auto app = Start();
    ASSERT_TRUE(started);
    EXPECT_EQ(SessionOf(*app).highScore, 12);

    SessionOf(*app).highScore = 900;
    ASSERT_TRUE(app->Commands().OpenDocumentFile(b.toStdString()));
    EXPECT_EQ(settings.ReadInt(kSection, HighScoreKey("SYSTEM.BLC"), 0), 900);
    EXPECT_EQ(SessionOf(*app).highScore, 0) << "b.blc has no score yet";
    EXPECT_EQ(ui.caption, "Zembrovaltine - b.blc");
}

TEST_F(CBlockAppTest, AFailedSaveLeavesTheFileOnDiskAsItWas) {
    const QString path = WriteSet("bin/SYSTEM.BLC");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    auto app = Start();
    ASSERT_TRUE(started);
    app->Doc().SetCell(0, 0, 9);
    app->Doc().SetModifiedFlag();
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(app->Commands().FileSave());
    }
    EXPECT_EQ(ui.log.back(), "save failure: ﾄﾞｷｭﾒﾝﾄの保存に失敗しました。");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    file.close();
    EXPECT_TRUE(app->Doc().IsModified());

    // The question before the set is replaced saves it for real.
    ui.saveAnswer = SaveAnswer::Yes;
    ui.openAnswers = {WriteSet("b.blc").toStdString()};
    ASSERT_TRUE(app->Commands().FileOpen());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().at(PatternFile::kCellsOffset), 9);
}
}  // namespace

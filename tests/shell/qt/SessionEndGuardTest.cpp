#include "shell/qt/SessionEndGuard.h"

#include <csignal>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "shell/MemorySettingsStore.h"
#include "shell/SettingsKeys.h"
#include "stages/CBlockDoc.h"
#include "stages/DocumentCommands.h"
#include "stages/PatternFile.h"
#include "tests/stages/DocumentFakes.h"

namespace {
using namespace Settings;

class SessionEndGuardTest : public ::testing::Test {
protected:
    SessionEndGuardTest() {
        doc.AttachServices({&files, &ui, &settings});
        CBlockDoc source;
        source.SetCell(0, 0, 3);
        files.files["/sets/a.blc"] = PatternFile::Encode(source);
        EXPECT_TRUE(commands.OpenDocumentFile("/sets/a.blc"));
        window.show();
    }
    void Modify() {
        doc.SetCell(2, 2, 7);
        doc.SetModifiedFlag();
    }
    QString CopyPath() const { return dir.filePath("a.blc"); }
    std::string Read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(none)";
    }
    std::string SavedBytes() const {
        CBlockDoc expected = doc;
        PatternFile::NormaliseForSave(expected);
        return PatternFile::Encode(expected);
    }

    QTemporaryDir dir;
    CBlockDoc doc;
    MemorySettingsStore settings;
    FakeDocumentFiles files;
    FakeDocumentUi ui;
    DocumentCommands commands{doc};
    QWidget window;
};

TEST_F(SessionEndGuardTest, SigtermClosesInOrderAndTheNextStartNamesTheRecoveryCopy) {
    const std::string onDisk = files.files["/sets/a.blc"];
    {
        SessionEndGuard guard(doc, commands, window, ui, dir.path());
        Modify();
        const std::string expected = SavedBytes();
        std::raise(SIGTERM);  // without the guard, the test run would end here
        QTest::qWait(100);
        // The guard asked every event loop to end, and the next one would end
        // at once; the program's main loop, run once, clears that request for
        // the tests that follow in this process.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();

        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(Read(CopyPath()), expected);
        EXPECT_EQ(files.files["/sets/a.blc"], onDisk) << "the set's own file is not replaced";
        EXPECT_EQ(settings.ReadString(kSection, kPattern), "/sets/a.blc");
        EXPECT_FALSE(ui.Saw("ask: a.blc への変更を保存しますか?"));
    }

    SessionEndGuard nextStart(doc, commands, window, ui, dir.path());
    ui.log.clear();
    nextStart.ReportRecoveryCopies();
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_EQ(ui.log[0], "message: 前回の終了時に保存されていなかった変更を次のﾌｧｲﾙに残しました。\n" +
                             CopyPath().toStdString());
    nextStart.ReportRecoveryCopies();
    EXPECT_EQ(ui.log.size(), 1u) << "named once";
    EXPECT_TRUE(QFile::exists(CopyPath())) << "the copy itself stays";
}

TEST_F(SessionEndGuardTest, AnEndingSessionAsksWhenItMayAndOtherwiseKeepsACopy) {
    SessionEndGuard guard(doc, commands, window, ui, dir.path());
    Modify();
    ui.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(guard.CommitData(true)) << "cancelled: the session should not end";
    EXPECT_TRUE(ui.Saw("ask: a.blc への変更を保存しますか?"));
    EXPECT_FALSE(QFile::exists(CopyPath()));

    const std::string expected = SavedBytes();
    EXPECT_TRUE(guard.CommitData(false));
    EXPECT_EQ(Read(CopyPath()), expected);
    EXPECT_TRUE(window.isVisible()) << "the session closes the window itself";
}
}  // namespace

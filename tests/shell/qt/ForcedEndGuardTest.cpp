// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qt/ForcedEndGuard.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>
#include <sys/stat.h>

#include "base/SettingsKeys.h"
#include "stages/RecoveryCopy.h"
#include "tests/stages/DocumentWorld.h"
#include "tests/stages/qt/ChildProcess.h"

namespace {
using namespace Settings;

std::string Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "(none)";
}

void Write(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// The sets are read through the fake; the copies land in a real folder.
class ForcedEndGuardTest : public ::testing::Test, public DocumentWorld {
protected:
    ForcedEndGuardTest() {
        QDir(dir.path()).mkpath("sets");
        QDir(dir.path()).mkpath("other");
        QDir(dir.path()).mkpath("spare");
        Open(dir.filePath("sets/a.blc"));
        window.show();
    }
    void Open(const QString& path) {
        files.files[path.toStdString()] = PatternWith(3);
        Write(path, files.files[path.toStdString()]);
        ASSERT_TRUE(commands.OpenDocumentFile(path.toStdString()));
    }
    // Modifies the set and tells what a save would write.
    std::string Modify() {
        doc.SetCell(2, 2, 7);
        doc.SetModifiedFlag();
        CBlockDoc expected = doc;
        PatternFile::NormaliseForSave(expected);
        return PatternFile::Encode(expected);
    }
    // The copies in a folder, leaving out links and notes.
    QStringList CopiesIn(const QString& folder) const {
        QStringList copies;
        for (const QFileInfo& entry : QDir(folder).entryInfoList({"*.blc"}, QDir::Files | QDir::System, QDir::Name))
            if (!entry.isSymLink()) copies << entry.filePath();
        return copies;
    }
    std::string NextStartNotice() {
        ui.log.clear();
        ForcedEndGuard(doc, commands, window, ui, places).ReportRecoveryCopies();
        return ui.log.empty() ? "(none)" : ui.log.back();
    }

    QTemporaryDir dir;
    ForcedEndGuard::Places places{dir.filePath("recovery"), dir.filePath("spare")};
    QWidget window;
};

constexpr std::string_view kKept = "message: 前回の終了時に保存されていなかった変更を次のﾌｧｲﾙに残しました。\n";

TEST_F(ForcedEndGuardTest, EveryEndKeepsACopyOfItsOwnNeverOverAnExistingFileOrThroughALink) {
    // Links planted where the copy of "a.blc" could go: under its own name,
    // and under the stamped names of the next seconds.
    const QString victim = dir.filePath("victim.txt");
    Write(victim, "precious");
    QDir(dir.path()).mkpath("recovery");
    const QDateTime now = QDateTime::currentDateTime();
    QFile::link(victim, dir.filePath("recovery/a.blc"));
    for (int second = 0; second < 3; ++second)
        QFile::link(victim, dir.filePath("recovery/a-%1.blc").arg(now.addSecs(second).toString("yyyyMMdd-HHmmss")));

    std::vector<std::string> expected;
    {
        ForcedEndGuard guard(doc, commands, window, ui, places);
        expected.push_back(Modify());
        guard.CloseWithoutQuestions();
        // The guard asked every event loop to end, and the next one would end
        // at once; the program's main loop, run once, clears that request for
        // the tests that follow in this process.
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(settings.ReadString(kSection, kPattern), dir.filePath("sets/a.blc").toStdString());
        EXPECT_FALSE(ui.Saw("ask: a.blc への変更を保存しますか?"));

        // Another instance with a set of the same name, ended at the same time.
        Open(dir.filePath("other/a.blc"));
        expected.push_back(Modify());
        EXPECT_TRUE(guard.CommitData(false));
    }
    const QStringList copies = CopiesIn(dir.filePath("recovery"));
    ASSERT_EQ(copies.size(), 2);
    EXPECT_EQ(Read(copies[0]), expected[0]);
    EXPECT_EQ(Read(copies[1]), expected[1]);
    EXPECT_EQ(Read(victim), "precious");
    EXPECT_EQ(Read(dir.filePath("sets/a.blc")), files.files[dir.filePath("sets/a.blc").toStdString()]);
    EXPECT_EQ(NextStartNotice(), std::string(kKept) + copies.join('\n').toStdString());
    EXPECT_EQ(NextStartNotice(), "(none)") << "named once";

    // The open set is itself a copy: its changes go to a new one.
    Open(copies[0]);
    const std::string copyBytes = Read(copies[0]);
    Modify();
    ForcedEndGuard(doc, commands, window, ui, places).CommitData(false);
    EXPECT_EQ(Read(copies[0]), copyBytes);
    EXPECT_EQ(CopiesIn(dir.filePath("recovery")).size(), 3);
}

TEST_F(ForcedEndGuardTest, ACopyTheFolderRefusesGoesBesideTheSetAndChangesKeptNowhereStayModified) {
    Write(places.folder, "a file where the folder should be");
    ForcedEndGuard guard(doc, commands, window, ui, places);
    const std::string expected = Modify();
    EXPECT_TRUE(guard.CommitData(false));
    EXPECT_FALSE(doc.IsModified());
    const QStringList beside = CopiesIn(dir.filePath("sets"));
    ASSERT_EQ(beside.size(), 2) << "the set and its copy";
    EXPECT_EQ(Read(beside.filter("a-").value(0)), expected);
    EXPECT_EQ(NextStartNotice(), std::string(kKept) + beside.filter("a-").value(0).toStdString());

    // A file-size limit lets the note through but no copy.
    const std::string ended = ChildProcess::Run([&] {
        rlimit limit{1000, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        Modify();
        guard.CommitData(false);
        return doc.IsModified() ? 0 : 1;
    });
    EXPECT_EQ(ended, "exit 0") << "a set whose changes could not be kept stays modified";
    EXPECT_EQ(NextStartNotice(), "message: 前回の終了時に保存されていなかった次のﾌｧｲﾙへの変更は、"
                                 "残すことができませんでした。\na.blc");
    EXPECT_EQ(CopiesIn(dir.filePath("sets")).size(), 2) << "no part-written copy";
}

mode_t ModeOf(const QString& path) {
    struct stat info {};
    return stat(path.toLocal8Bit().constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// At the first end without questions the copies' folder is made; the copy
// and the notes in it are the user's alone.
TEST_F(ForcedEndGuardTest, AnEndingSessionAsksWhenItMayAndTheFirstCopyMakesItsFolder) {
    ForcedEndGuard guard(doc, commands, window, ui, places);
    Modify();
    ui.saveAnswer = SaveAnswer::Cancel;
    EXPECT_FALSE(guard.CommitData(true)) << "cancelled: the logout should not go on";
    EXPECT_TRUE(ui.Saw("ask: a.blc への変更を保存しますか?"));
    EXPECT_FALSE(QFileInfo::exists(places.folder)) << "no copy, and no folder yet";
    EXPECT_TRUE(window.isVisible()) << "the logout closes the window itself";

    EXPECT_TRUE(guard.CommitData(false));
    const QStringList copies = CopiesIn(places.folder);
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(ModeOf(copies[0]), 0600u);
    EXPECT_EQ(ModeOf(places.folder + "/pending.txt"), 0600u);
}

// The spare notes lie in a folder every user may write: notes another user
// planted there, or a link to a file of the user's own, name no copy.
TEST_F(ForcedEndGuardTest, NotesOfAnotherUserOrBehindALinkAreNotRead) {
    const QString spare = places.spareFolder + QString("/zembrovaltine-recovery-%1.txt").arg(getuid());
    const std::string planted = RecoveryNotes::Kept("/elsewhere/trap.blc");
    Write(dir.filePath("own.txt"), planted);
    ASSERT_TRUE(QFile::link(dir.filePath("own.txt"), spare));
    EXPECT_EQ(NextStartNotice(), "(none)");
    if (!ChildProcess::RunningAsRoot()) GTEST_SKIP() << "only root can plant a file of another user";
    QFile::remove(spare);
    Write(spare, planted);
    ASSERT_EQ(chown(spare.toLocal8Bit().constData(), ChildProcess::kNobody, ChildProcess::kNobody), 0);
    EXPECT_EQ(NextStartNotice(), "(none)");
}
}  // namespace

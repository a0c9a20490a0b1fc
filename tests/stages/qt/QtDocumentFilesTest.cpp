// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stages/qt/QtDocumentFiles.h"

#include <gtest/gtest.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "stages/DocumentTexts.h"
#include "tests/stages/qt/ChildProcess.h"

#include <sys/resource.h>
#include <sys/stat.h>

namespace {
using ChildProcess::Failed;
using ReadStatus = FileReadResult::Status;
using WriteStatus = FileWriteResult::Status;

std::string FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "(unreadable)";
    return file.readAll().toStdString();
}

void WriteBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Path(const QString& path) { return path.toStdString(); }

TEST(QtDocumentFilesTest, ReadingRefusesDirectoriesAndHugeFilesAndPathsBecomeAbsolute) {
    QTemporaryDir dir;
    QtDocumentFiles files;
    const FileReadResult directory = files.ReadFile(dir.path().toStdString(), 2125);
    EXPECT_EQ(directory.status, ReadStatus::CannotOpen);
    EXPECT_EQ(directory.problem, FileProblem::BadPath);

    const QString path = dir.filePath("long.blc");
    ASSERT_EQ(files.ReplaceFile(path.toStdString(), std::string(5000, 'x')).status, WriteStatus::Written);
    const FileReadResult start = files.ReadFile(path.toStdString(), 2125);
    EXPECT_EQ(start.status, ReadStatus::Read);
    EXPECT_EQ(start.bytes.size(), 2125u) << "only what a stage set can hold is read";

    EXPECT_EQ(files.FullPathOf("sets/../a.blc"), QDir::current().filePath("a.blc").toStdString());
    EXPECT_EQ(files.FullPathOf("/x/y.blc"), "/x/y.blc");
    EXPECT_EQ(files.FullPathOf(""), "") << "an empty path names no file";
}

TEST(QtDocumentFilesTest, ANameAsLongAsTheFileSystemAllowsIsSaved) {
    QTemporaryDir dir;
    std::string wide = "a";  // a shortened temporary name must still end on a whole character
    for (int count = 0; count < 83; ++count) wide += "面";
    for (const std::string& name : {std::string(251, 'n') + ".blc", wide + ".blc"}) {
        const std::string path = Path(dir.filePath(QString::fromStdString(name)));
        QtDocumentFiles files;
        for (const char fill : {'o', 'n'}) {
            ASSERT_EQ(files.ReplaceFile(path, std::string(2125, fill)).status, WriteStatus::Written) << name.size();
            EXPECT_EQ(FileBytes(QString::fromStdString(path)), std::string(2125, fill));
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file was left";
        QFile::remove(QString::fromStdString(path));
    }
}

TEST(QtDocumentFilesTest, AReadOnlyTargetIsRefusedEvenForRoot) {
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.blc");
    const std::string oldBytes(2125, 'o');
    WriteBytes(path, oldBytes);
    ASSERT_EQ(chmod(path.toLocal8Bit().constData(), 0444), 0);

    QtDocumentFiles files;
    const FileWriteResult result = files.ReplaceFile(Path(path), std::string(2125, 'n'));
    EXPECT_EQ(result.status, WriteStatus::CannotCreate);
    EXPECT_EQ(SaveFailureText(result, Path(path)), "ﾌｧｲﾙ " + Path(path) + " にｱｸｾｽできません。");
    EXPECT_EQ(FileBytes(path), oldBytes);
}

// A file-size limit makes the write fail part-way, as a full disk would.
TEST(QtDocumentFilesTest, AWriteThatFailsPartWayIsReportedAndLeavesTheOldFileWhole) {
    const std::string ended = ChildProcess::Run([] {
        QTemporaryDir dir;
        const QString path = dir.filePath("set.blc");
        const std::string oldBytes(2125, 'o');
        WriteBytes(path, oldBytes);
        std::signal(SIGXFSZ, SIG_DFL);  // as a program starts
        rlimit limit{1000, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);

        QtDocumentFiles files;
        const std::string newBytes(2125, 'n');
        const FileWriteResult result = files.ReplaceFile(Path(path), newBytes);
        if (result.status != WriteStatus::WriteFailed) return Failed("the write did not fail");
        if (SaveFailureText(result, Path(path)) != "ﾃﾞｨｽｸがいっぱいのため、" + Path(path) + " を保存できません。")
            return Failed("not reported as a full disk");
        if (FileBytes(path) != oldBytes) return Failed("the old file was damaged");
        if (QDir(dir.path()).entryList(QDir::Files) != QStringList{"set.blc"}) return Failed("a temporary file was left");

        limit.rlim_cur = RLIM_INFINITY;
        setrlimit(RLIMIT_FSIZE, &limit);
        if (files.ReplaceFile(Path(path), newBytes).status != WriteStatus::Written || FileBytes(path) != newBytes)
            return Failed("the next save did not replace the file");
        if (files.ReplaceFile(Path(dir.filePath("none/set.blc")), newBytes).status != WriteStatus::CannotCreate)
            return Failed("a missing folder is not reported as such");
        return 0;
    });
    EXPECT_EQ(ended, "exit 0") << "signal 25 is SIGXFSZ";
}

// A FIFO would block the open for ever: the checks run in a child process
// that an alarm ends should it hang.
TEST(QtDocumentFilesTest, PermissionProblemsAndFilesNotRegularAreNamedAndASetInAReadOnlyFolderIsSavedInPlaceAllOrNothing) {
    const std::string ended = ChildProcess::Run([] {
        QTemporaryDir dir;
        const QString unreadable = dir.filePath("secret.blc");
        const QString writable = dir.filePath("set.blc");
        const QString fifo = dir.filePath("pipe.blc");
        WriteBytes(unreadable, std::string(2125, 's'));
        WriteBytes(writable, std::string(2125, 'o'));
        if (mkfifo(fifo.toLocal8Bit().constData(), 0644) != 0) return Failed("mkfifo");
        chmod(unreadable.toLocal8Bit().constData(), 0);
        chmod(dir.path().toLocal8Bit().constData(), 0555);
        QtDocumentFiles files;
        int failures = 0;

        for (const std::string& path : {Path(unreadable), Path(fifo), std::string("/dev/zero")}) {
            const FileReadResult read = files.ReadFile(path, 2125);
            if (read.status != ReadStatus::CannotOpen || LoadFailureText(read.problem, path) != "ﾌｧｲﾙ " + path + " にｱｸｾｽできません。")
                failures += Failed("an unreadable file, a FIFO or a device is not refused as inaccessible");
        }

        const std::string created = Path(dir.filePath("new.blc"));
        const FileWriteResult create = files.ReplaceFile(created, std::string(2125, 'n'));
        if (SaveFailureText(create, created) != "ﾌｧｲﾙ " + created + " にｱｸｾｽできません。")
            failures += Failed("a file in a read-only folder is not reported as inaccessible");

        const std::string newBytes(2125, 'n');
        if (files.ReplaceFile(Path(writable), newBytes).status != WriteStatus::Written)
            failures += Failed("a writable set in a read-only folder was not saved");
        if (FileBytes(writable) != newBytes) failures += Failed("the set does not hold the new bytes");

        // In place, a write the size limit would cut short is not begun.
        rlimit limit{1000, RLIM_INFINITY};
        setrlimit(RLIMIT_FSIZE, &limit);
        const FileWriteResult cut = files.ReplaceFile(Path(writable), std::string(2125, 'c'));
        if (SaveFailureText(cut, Path(writable)) != "ﾃﾞｨｽｸがいっぱいのため、" + Path(writable) + " を保存できません。")
            failures += Failed("a write past the size limit is not reported as a full disk");
        if (FileBytes(writable) != newBytes) failures += Failed("the set was left part new, part old");

        chmod(dir.path().toLocal8Bit().constData(), 0755);  // so that the folder can go
        return failures;
    }, {.withoutRoot = true, .alarmSeconds = 5});
    EXPECT_EQ(ended, "exit 0") << "the check ran as uid " << (ChildProcess::RunningAsRoot() ? "65534" : "of the tests");
}

// A save through a link in a folder that others may write: the link is
// followed when the user or root made it, and refused when anyone else did,
// who could point it at any file the user may write. The folder is not
// sticky, so the kernel's own guard for links does not step in first.
TEST(QtDocumentFilesTest, ASaveFollowsOnlyALinkOfTheUsersOwnOrOfRoot) {
    if (!ChildProcess::RunningAsRoot()) GTEST_SKIP() << "only root can plant a link of another user";
    constexpr uid_t kAnotherUser = ChildProcess::kNobody - 1;
    QTemporaryDir dir;
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0777), 0);
    const std::string victim = Path(dir.filePath("victim.blc"));
    WriteBytes(QString::fromStdString(victim), "precious");
    ASSERT_EQ(chown(victim.c_str(), ChildProcess::kNobody, ChildProcess::kNobody), 0);
    const auto plant = [&](const char* name, uid_t owner, const std::string& target) {
        const std::string link = Path(dir.filePath(name));
        EXPECT_EQ(symlink(target.c_str(), link.c_str()), 0);
        EXPECT_EQ(lchown(link.c_str(), owner, owner), 0);
        return link;
    };
    const std::string planted = plant("planted.blc", kAnotherUser, victim);
    const std::string own = plant("own.blc", ChildProcess::kNobody, victim);
    const std::string roots = plant("roots.blc", 0, victim);
    const std::string dangling = plant("dangling.blc", ChildProcess::kNobody, Path(dir.filePath("gone.blc")));

    const std::string ended = ChildProcess::Run([&] {
        QtDocumentFiles files;
        int failures = 0;
        const FileWriteResult refused = files.ReplaceFile(planted, std::string(2125, 'p'));
        if (refused.status != WriteStatus::CannotCreate) failures += Failed("another user's link was not refused");
        if (SaveFailureText(refused, planted) != "ﾌｧｲﾙ " + planted + " は他のﾕｰｻﾞｰのﾘﾝｸのため、保存できません。")
            failures += Failed("the refusal does not say why");
        if (FileBytes(QString::fromStdString(victim)) != "precious")
            failures += Failed("the save went through another user's link");

        for (const std::string& link : {own, roots}) {
            const std::string bytes(2125, link == own ? 'o' : 'r');
            if (files.ReplaceFile(link, bytes).status != WriteStatus::Written ||
                FileBytes(QString::fromStdString(victim)) != bytes)
                failures += Failed("a link of the user's own or of root was not followed");
        }
        struct stat info {};
        for (const std::string& link : {planted, own, roots})
            if (lstat(link.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) failures += Failed("a link was replaced");
        // A link of the user's own that leads nowhere gives way to the set.
        if (files.ReplaceFile(dangling, std::string(2125, 'd')).status != WriteStatus::Written ||
            lstat(dangling.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            failures += Failed("the user's dangling link did not give way to the set");
        return failures;
    }, {.withoutRoot = true, .alarmSeconds = 5});
    EXPECT_EQ(ended, "exit 0") << "the save ran as uid 65534";
}
}  // namespace

// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The promises of the safe files, through the document's files where a
// stage set is concerned: modes, links and owners, what a failed or cut-short
// write leaves, and the limits of names and sizes.
#include "stages/qt/QtDocumentFiles.h"

#include <gtest/gtest.h>

#include <csignal>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "stages/DocumentTexts.h"
#include "base/posix/SafeFiles.h"
#include "tests/stages/qt/ChildProcess.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
using ChildProcess::Failed;
using ReadStatus = FileReadResult::Status;
using WriteStatus = FileWriteResult::Status;

std::string FileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "(unreadable)";
    return file.readAll().toStdString();
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Path(const QString& path) { return path.toStdString(); }

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Every name in the folder, hidden ones too: a temporary file left behind shows here.
QStringList Names(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

void LimitFileSize(rlim_t bytes) {
    const rlimit limit{bytes, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &limit);
}

std::string DiskFullText(const std::string& path) { return "ﾃﾞｨｽｸがいっぱいのため、" + path + " を保存できません。"; }
std::string NoAccessText(const std::string& path) { return "ﾌｧｲﾙ " + path + " にｱｸｾｽできません。"; }

TEST(QtDocumentFilesTest, PathsBecomeAbsoluteAndANameAsLongAsTheFileSystemAllowsIsSavedAndOneByteMoreIsRefused) {
    QTemporaryDir dir;
    QtDocumentFiles files;
    EXPECT_EQ(files.FullPathOf("sets/../a.blc"), QDir::current().filePath("a.blc").toStdString());
    EXPECT_EQ(files.FullPathOf("/x/y.blc"), "/x/y.blc");
    EXPECT_EQ(files.FullPathOf(""), "") << "an empty path names no file";
    std::string wide = "a";  // a shortened temporary name must still end on a whole character
    for (int count = 0; count < 83; ++count) wide += "面";
    for (const std::string& name : {std::string(251, 'n') + ".blc", wide + ".blc"}) {
        const std::string path = Path(dir.filePath(QString::fromStdString(name)));
        for (const char fill : {'o', 'n'}) {
            ASSERT_EQ(files.ReplaceFile(path, std::string(2125, fill)).status, WriteStatus::Written) << name.size();
            EXPECT_EQ(FileBytes(path), std::string(2125, fill));
        }
        EXPECT_EQ(Names(dir).size(), 1) << "no temporary file was left";
        QFile::remove(QString::fromStdString(path));
    }
    const FileWriteResult tooLong = files.ReplaceFile(Path(dir.filePath(QString(256, 'n'))), "x");
    EXPECT_EQ(tooLong.status, WriteStatus::CannotCreate);
    EXPECT_EQ(tooLong.problem, FileProblem::BadPath);
    EXPECT_TRUE(Names(dir).isEmpty());
}

// New sets are as open as the umask lets any new file be; a replaced set
// keeps its own mode, and one read-only by its mode is not replaced even by
// root; recovery copies and their notes are the user's alone.
TEST(SafeFilesTest, EachFileItMakesHasTheModeItPromisesAndAReadOnlySetIsKept) {
    const std::string ended = ChildProcess::Run([] {
        QTemporaryDir dir;
        const auto path = [&](const char* name) { return Path(dir.filePath(name)); };
        umask(022);
        WriteBytes(path("shared.blc"), std::string(2125, 'o'));
        chmod(path("shared.blc").c_str(), 0664);
        WriteBytes(path("kept.blc"), "kept");
        chmod(path("kept.blc").c_str(), 0444);
        const FileWriteResult readOnly = QtDocumentFiles().ReplaceFile(path("kept.blc"), "new");
        std::string copy;
        SafeFiles::ReplaceFile(path("new.blc"), "new set");
        SafeFiles::ReplaceFile(path("shared.blc"), "a shorter set");
        SafeFiles::CreateNewFile(Path(dir.path()), [](int) { return std::string("copy.blc"); }, "copy", copy);
        SafeFiles::AppendLine(path("notes.txt"), "kept\t/x.blc\n");

        const std::pair<std::string, mode_t> expected[] = {
            {path("new.blc"), 0644}, {path("shared.blc"), 0664}, {copy, 0600}, {path("notes.txt"), 0600}};
        int failures = 0;
        for (const auto& [file, mode] : expected)
            if (ModeOf(file) != mode) failures += Failed(("the mode of " + file).c_str());
        if (FileBytes(path("shared.blc")) != "a shorter set") failures += Failed("a shorter rewrite left a tail");
        if (SaveFailureText(readOnly, path("kept.blc")) != NoAccessText(path("kept.blc")) ||
            FileBytes(path("kept.blc")) != "kept")
            failures += Failed("a read-only set was replaced, or the refusal not named");
        return failures;
    });
    EXPECT_EQ(ended, "exit 0");
}

// A file-size limit makes a write fail part-way, as a full disk would.
TEST(SafeFilesTest, AWriteThatFailsPartWayIsReportedAndLeavesNoPartWrittenFile) {
    const std::string ended = ChildProcess::Run([] {
        QTemporaryDir dir;
        const std::string path = Path(dir.filePath("set.blc"));
        const std::string oldBytes(2125, 'o');
        WriteBytes(path, oldBytes);
        WriteBytes(Path(dir.filePath("notes.txt")), std::string(995, 'n'));
        std::signal(SIGXFSZ, SIG_DFL);  // as a program starts
        LimitFileSize(1000);

        QtDocumentFiles files;
        int failures = 0;
        const std::string newBytes(2125, 'n');
        const FileWriteResult result = files.ReplaceFile(path, newBytes);
        if (result.status != WriteStatus::WriteFailed) failures += Failed("the write did not fail");
        if (SaveFailureText(result, path) != DiskFullText(path)) failures += Failed("not reported as a full disk");
        if (FileBytes(path) != oldBytes) failures += Failed("the old file was damaged");
        std::string copy;
        if (SafeFiles::CreateNewFile(Path(dir.path()), [](int) { return std::string("copy.blc"); }, newBytes, copy)
                .file.status != WriteStatus::WriteFailed)
            failures += Failed("a cut-short copy was not reported");
        if (SafeFiles::AppendLine(Path(dir.filePath("notes.txt")), "kept\t/x.blc\n").file.status !=
            WriteStatus::WriteFailed)
            failures += Failed("a note cut short was taken as written");
        if (Names(dir) != QStringList({"notes.txt", "set.blc"})) failures += Failed("a part-written file was left");

        LimitFileSize(RLIM_INFINITY);
        if (files.ReplaceFile(path, newBytes).status != WriteStatus::Written || FileBytes(path) != newBytes)
            failures += Failed("the next save did not replace the file");
        if (files.ReplaceFile(Path(dir.filePath("none/set.blc")), newBytes).status != WriteStatus::CannotCreate)
            failures += Failed("a missing folder is not reported as such");
        return failures;
    });
    EXPECT_EQ(ended, "exit 0") << "signal 25 is SIGXFSZ";
}

// A FIFO would block the open for ever: the checks run in a child process
// that an alarm ends should it hang.
TEST(QtDocumentFilesTest, PermissionProblemsAndFilesNotRegularAreNamedReadsStopWhereAskedAndASetInAReadOnlyFolderIsSavedInPlaceAllOrNothing) {
    const std::string ended = ChildProcess::Run([] {
        QTemporaryDir dir;
        const std::string unreadable = Path(dir.filePath("secret.blc"));
        const std::string writable = Path(dir.filePath("set.blc"));
        const std::string fifo = Path(dir.filePath("pipe.blc"));
        WriteBytes(unreadable, std::string(2125, 's'));
        WriteBytes(writable, std::string(2125, 'o'));
        if (mkfifo(fifo.c_str(), 0644) != 0) return Failed("mkfifo");
        chmod(unreadable.c_str(), 0);
        chmod(dir.path().toLocal8Bit().constData(), 0555);
        QtDocumentFiles files;
        int failures = 0;

        for (const std::string& path : {unreadable, fifo, std::string("/dev/zero")}) {
            const FileReadResult read = files.ReadFile(path, 2125);
            if (read.status != ReadStatus::CannotOpen || LoadFailureText(read.problem, path) != NoAccessText(path))
                failures += Failed("an unreadable file, a FIFO or a device is not refused as inaccessible");
        }
        if (files.ReadFile(Path(dir.path()), 2125).problem != FileProblem::BadPath)
            failures += Failed("a folder is not refused as a bad path");
        if (files.ReadFile(writable, 2000).bytes.size() != 2000) failures += Failed("more was read than asked");
        const std::string created = Path(dir.filePath("new.blc"));
        if (SaveFailureText(files.ReplaceFile(created, "n"), created) != NoAccessText(created))
            failures += Failed("a file in a read-only folder is not reported as inaccessible");

        const std::string newBytes(2125, 'n');
        if (files.ReplaceFile(writable, newBytes).status != WriteStatus::Written || FileBytes(writable) != newBytes)
            failures += Failed("a writable set in a read-only folder was not saved");
        // In place, a write the size limit would cut short is not begun; one
        // that reaches the limit exactly is made, and a shorter or longer set
        // leaves exactly its own bytes.
        LimitFileSize(1000);
        const FileWriteResult cut = files.ReplaceFile(writable, std::string(1001, 'c'));
        if (SaveFailureText(cut, writable) != DiskFullText(writable) || FileBytes(writable) != newBytes)
            failures += Failed("a write past the size limit was begun, or not reported as a full disk");
        for (const std::string& bytes : {std::string(1000, 's'), std::string(3000, 'l')}) {
            if (files.ReplaceFile(writable, bytes).status != WriteStatus::Written || FileBytes(writable) != bytes)
                failures += Failed("a shorter set up to the limit, or a longer one, was not written exactly");
            LimitFileSize(RLIM_INFINITY);
        }
        if (Names(dir) != QStringList({"pipe.blc", "secret.blc", "set.blc"})) failures += Failed("a file was left");

        chmod(dir.path().toLocal8Bit().constData(), 0755);  // so that the folder can go
        return failures;
    }, {.withoutRoot = true, .alarmSeconds = 5});
    EXPECT_EQ(ended, "exit 0") << "the check ran as uid " << (ChildProcess::RunningAsRoot() ? "65534" : "of the tests");
}

// A relative link names a file beside itself, wherever the program runs: a
// save follows it there. The notes of recovery copies go only into the
// user's own regular file: never through a link, never down a FIFO.
TEST(SafeFilesTest, ASaveFollowsARelativeLinkFromItsFolderAndANoteGoesOnlyIntoARegularFile) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("sets");
    const std::string real = Path(dir.filePath("sets/real.blc"));
    const std::string link = Path(dir.filePath("sets/link.blc"));
    const std::string fifo = Path(dir.filePath("fifo.txt"));
    WriteBytes(real, "kept\t/a.blc\n");
    ASSERT_EQ(symlink("real.blc", link.c_str()), 0);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);  // a writer's open would fail without one
    for (const std::string& path : {link, fifo})
        EXPECT_EQ(SafeFiles::AppendLine(path, "kept\t/b.blc\n").file.status, WriteStatus::CannotCreate) << path;
    char byte = 0;
    EXPECT_LE(read(reader, &byte, 1), 0) << "nothing went down the FIFO";
    close(reader);
    EXPECT_EQ(SafeFiles::AppendLine(real, "kept\t/c.blc\n").file.status, WriteStatus::Written);
    EXPECT_EQ(FileBytes(real), "kept\t/a.blc\nkept\t/c.blc\n");

    ASSERT_EQ(SafeFiles::ReplaceFile(link, "new").file.status, WriteStatus::Written);
    EXPECT_EQ(FileBytes(real), "new");
    struct stat info {};
    EXPECT_TRUE(lstat(link.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) << "the link stays";
}

// A save through a link in a folder that others may write: the link is
// followed when the user or root made it, and refused when anyone else did,
// who could point it at any file the user may write. The folder is not
// sticky, so the kernel's own guard for links does not step in first.
// Another user's notes file, open to all, is refused by its owner alone.
TEST(SafeFilesTest, ASaveFollowsOnlyALinkOfTheUsersOwnOrOfRootAndNotesGoOnlyToTheUsersOwnFile) {
    if (!ChildProcess::RunningAsRoot()) GTEST_SKIP() << "only root can plant a link of another user";
    constexpr uid_t kUser = ChildProcess::kNobody;
    constexpr uid_t kAnotherUser = ChildProcess::kNobody - 1;
    QTemporaryDir dir;
    ASSERT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0777), 0);
    const std::string victim = Path(dir.filePath("victim.blc"));
    const std::string notes = Path(dir.filePath("notes.txt"));
    WriteBytes(victim, "precious");
    WriteBytes(notes, "planted\n");
    ASSERT_EQ(chown(victim.c_str(), kUser, kUser), 0);
    ASSERT_EQ(chown(notes.c_str(), kAnotherUser, kAnotherUser), 0);
    ASSERT_EQ(chmod(notes.c_str(), 0666), 0);
    const auto plant = [&](const char* name, uid_t owner, gid_t group, const std::string& target) {
        const std::string link = Path(dir.filePath(name));
        EXPECT_EQ(symlink(target.c_str(), link.c_str()), 0);
        EXPECT_EQ(lchown(link.c_str(), owner, group), 0);
        return link;
    };
    const std::string planted = plant("planted.blc", kAnotherUser, kAnotherUser, victim);
    const std::string inGroup = plant("group.blc", kAnotherUser, kUser, victim);
    const std::string own = plant("own.blc", kUser, kUser, victim);
    const std::string roots = plant("roots.blc", 0, 0, victim);
    const std::string dangling = plant("dangling.blc", kUser, kUser, Path(dir.filePath("gone.blc")));

    const std::string ended = ChildProcess::Run([&] {
        QtDocumentFiles files;
        int failures = 0;
        for (const std::string& link : {planted, inGroup}) {
            const FileWriteResult refused = files.ReplaceFile(link, std::string(2125, 'p'));
            if (refused.status != WriteStatus::CannotCreate) failures += Failed("another user's link was not refused");
            if (SaveFailureText(refused, link) != "ﾌｧｲﾙ " + link + " は他のﾕｰｻﾞｰのﾘﾝｸのため、保存できません。")
                failures += Failed("the refusal does not say why");
        }
        if (FileBytes(victim) != "precious") failures += Failed("the save went through another user's link");

        for (const std::string& link : {own, roots}) {
            const std::string bytes(2125, link == own ? 'o' : 'r');
            if (files.ReplaceFile(link, bytes).status != WriteStatus::Written || FileBytes(victim) != bytes)
                failures += Failed("a link of the user's own or of root was not followed");
        }
        struct stat info {};
        for (const std::string& link : {planted, inGroup, own, roots})
            if (lstat(link.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) failures += Failed("a link was replaced");
        // A link of the user's own that leads nowhere gives way to the set.
        if (files.ReplaceFile(dangling, std::string(2125, 'd')).status != WriteStatus::Written ||
            lstat(dangling.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            failures += Failed("the user's dangling link did not give way to the set");

        if (SafeFiles::AppendLine(notes, "kept\t/x.blc\n").file.status != WriteStatus::CannotCreate ||
            FileBytes(notes) != "planted\n")
            failures += Failed("a note went into another user's file");
        return failures;
    }, {.withoutRoot = true, .alarmSeconds = 5});
    EXPECT_EQ(ended, "exit 0") << "the save ran as uid 65534";
}

}  // namespace

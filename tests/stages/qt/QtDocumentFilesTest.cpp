#include "stages/qt/QtDocumentFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/stages/qt/FileSizeLimit.h"

namespace {
using ReadStatus = FileReadResult::Status;
using WriteStatus = FileWriteResult::Status;

std::string FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "(unreadable)";
    return file.readAll().toStdString();
}

TEST(QtDocumentFilesTest, AWriteThatFailsPartWayLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("set.blc");
    QtDocumentFiles files;
    const std::string oldBytes(2125, 'o');
    ASSERT_EQ(files.ReplaceFile(path.toStdString(), oldBytes).status, WriteStatus::Written);

    FileWriteResult result;
    {
        FileSizeLimit limit(1000);
        result = files.ReplaceFile(path.toStdString(), std::string(2125, 'n'));
    }
    EXPECT_EQ(result.status, WriteStatus::WriteFailed);
    EXPECT_EQ(FileBytes(path), oldBytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"set.blc"}) << "no temporary file left behind";

    const std::string newBytes(2125, 'n');
    ASSERT_EQ(files.ReplaceFile(path.toStdString(), newBytes).status, WriteStatus::Written);
    EXPECT_EQ(FileBytes(path), newBytes);
    EXPECT_EQ(files.ReplaceFile(dir.filePath("none/set.blc").toStdString(), newBytes).status,
              WriteStatus::CannotCreate);
}

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
}  // namespace

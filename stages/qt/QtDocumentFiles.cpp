#include "stages/qt/QtDocumentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
using ReadStatus = FileReadResult::Status;
using WriteStatus = FileWriteResult::Status;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// The cause of a failed read or write, where Qt tells it.
FileProblem ProblemOf(const QFileDevice& file) {
    switch (file.error()) {
    case QFileDevice::PermissionsError: return FileProblem::AccessDenied;
    // Qt reports a full disk as a lack of resources.
    case QFileDevice::ResourceError: return FileProblem::DiskFull;
    default: break;
    }
    return FileProblem::Unknown;
}

// Why a file could not be opened: what the file system shows of the path
// says more than the error Qt gives for the open.
FileProblem OpenProblemOf(const QFileDevice& file, const QFileInfo& info) {
    if (info.isDir()) return FileProblem::BadPath;
    if (!info.exists()) return FileProblem::NotFound;
    return ProblemOf(file);
}

FileProblem CreateProblemOf(const QFileDevice& file, const QFileInfo& info) {
    if (info.isDir()) return FileProblem::BadPath;
    if (!info.dir().exists()) return FileProblem::NotFound;
    return ProblemOf(file);
}
}  // namespace

FileReadResult QtDocumentFiles::ReadFile(const std::string& path, std::size_t maxBytes) {
    if (path.empty()) return {ReadStatus::CannotOpen, FileProblem::BadPath, {}};
    QFile file(ToQString(path));
    const QFileInfo info(file.fileName());
    // A directory may open, but it is no stage set.
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        return {ReadStatus::CannotOpen, OpenProblemOf(file, info), {}};
    }
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (file.error() != QFileDevice::NoError) return {ReadStatus::ReadFailed, ProblemOf(file), {}};
    return {ReadStatus::Read, FileProblem::Unknown, bytes.toStdString()};
}

FileWriteResult QtDocumentFiles::ReplaceFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return {WriteStatus::CannotCreate, FileProblem::BadPath};
    QSaveFile file(ToQString(path));
    const QFileInfo info(file.fileName());
    if (info.isDir() || !file.open(QIODevice::WriteOnly)) {
        return {WriteStatus::CannotCreate, CreateProblemOf(file, info)};
    }
    const auto size = static_cast<qint64>(bytes.size());
    // The buffered bytes reach the disk in flush(). Its failure must be
    // caught here: commit() would still put the short file in place of the
    // old one. Without a commit the temporary file goes, the old one stays.
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        const FileProblem problem = ProblemOf(file);
        file.cancelWriting();
        return {WriteStatus::WriteFailed, problem};
    }
    if (!file.commit()) return {WriteStatus::WriteFailed, ProblemOf(file)};
    return {};
}

std::string QtDocumentFiles::FullPathOf(const std::string& path) {
    if (path.empty()) return {};
    return QDir::cleanPath(QFileInfo(ToQString(path)).absoluteFilePath()).toStdString();
}

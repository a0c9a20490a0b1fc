// SPDX-FileCopyrightText: 2026 Vantrosk
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/posix/SafeFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <random>
#include <variant>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "base/Utf8Cut.h"

namespace SafeFiles {
namespace {
using ReadStatus = FileReadResult::Status;
using WriteStatus = FileWriteResult::Status;

FileProblem ProblemOf(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return FileProblem::NotFound;
    case EACCES:
    case EPERM:
    case EROFS: return FileProblem::AccessDenied;
    case EISDIR:
    case ENAMETOOLONG:
    case ELOOP: return FileProblem::BadPath;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileProblem::DiskFull;
    default: break;
    }
    return FileProblem::Unknown;
}

ReadOutcome ReadFailure(ReadStatus status, int error) {
    return {{status, ProblemOf(error), {}}, std::strerror(error)};
}

WriteOutcome WriteFailure(WriteStatus status, int error) {
    return {{status, ProblemOf(error)}, std::strerror(error)};
}

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now, so that a failure of the close itself is seen.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::string_view bytes, off_t offset) {
    while (!bytes.empty()) {
        const ssize_t written = ::pwrite(fd, bytes.data(), bytes.size(), offset);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
        offset += written;
    }
    return true;
}

// A write past RLIMIT_FSIZE would end the process by SIGXFSZ, taking the
// unsaved set with it; ignored, the write fails with EFBIG and is reported.
// Set on every save rather than once, as it costs one system call.
void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

std::string DirectoryPart(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NamePart(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// As many links in a row as the kernel itself follows.
constexpr int kMostLinks = 40;

// What a link names, taken from the link's folder when it is relative.
std::string LinkText(const std::string& link) {
    std::string text(PATH_MAX, '\0');
    const ssize_t length = ::readlink(link.c_str(), text.data(), text.size());
    if (length <= 0) return {};
    text.resize(static_cast<std::size_t>(length));
    return text.front() == '/' ? text : DirectoryPart(link) + '/' + text;
}

// The file a save to path replaces: path itself, or the file at the end of
// the links that start there, so that saving through a link keeps the link.
// Each link is checked before it is followed; the file found is replaced
// only by rename or an open that follows no link, so a link swapped in
// afterwards is never written through either.
std::variant<std::string, WriteOutcome> ReplacedFile(const std::string& path, LinkAtTarget links) {
    std::string current = path;
    for (int followed = 0; followed <= kMostLinks; ++followed) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) return path;  // new, or a dangling link, which is replaced
        if (!S_ISLNK(info.st_mode)) return current;
        if (links == LinkAtTarget::Refuse)
            return WriteOutcome{{WriteStatus::CannotCreate, FileProblem::AccessDenied},
                                "it is a symbolic link, and nothing is written through one here"};
        if (info.st_uid != ::geteuid() && info.st_uid != 0)
            return WriteOutcome{{WriteStatus::CannotCreate, FileProblem::UntrustedLink},
                                "it is a link that belongs to another user (uid " + std::to_string(info.st_uid) +
                                    "), who could point it at any file; it is not followed"};
        current = LinkText(current);
        if (current.empty()) return path;
    }
    return WriteFailure(WriteStatus::CannotCreate, ELOOP);
}

// What a temporary file's name adds to the target's: a leading dot, and a
// dot, up to nine digits and ".tmp" after it.
constexpr std::size_t kTemporaryExtraBytes = 15;

// The start of a temporary file's name: the target's name, hidden. A name
// too long to take the additions within the folder's name or path limit is
// shortened (at a character's start), so that any name the file system
// accepts can be saved.
std::string TemporaryPrefix(const std::string& target) {
    const std::string directory = DirectoryPart(target);
    const long nameMax = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    const std::size_t nameRoom = (nameMax > 0 ? static_cast<std::size_t>(nameMax) : NAME_MAX) - kTemporaryExtraBytes;
    const std::size_t pathUsed = directory.size() + 1 + kTemporaryExtraBytes;
    const std::size_t pathRoom = PATH_MAX - 1 > pathUsed ? PATH_MAX - 1 - pathUsed : 0;
    return directory + "/." + CutUtf8(NamePart(target), std::min(nameRoom, pathRoom)) + ".";
}

// A file that did not exist, under the first free name of nameFor(0),
// nameFor(1), ...: created exclusively, never through a link, so that
// nobody could have planted it. name is the last name tried.
int CreateExclusive(const std::function<std::string(int)>& nameFor, mode_t mode, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = nameFor(attempt);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// A new file beside the target, under a random name.
int CreateTemporary(const std::string& target, mode_t mode, std::string& name) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::string prefix = TemporaryPrefix(target);
    const auto randomName = [&prefix](int) { return prefix + std::to_string(random() % 1'000'000'000) + ".tmp"; };
    return CreateExclusive(randomName, mode, name);
}

void SyncDirectory(const std::string& target) {
    Descriptor directory(::open(DirectoryPart(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.valid()) ::fsync(directory.get());
}

// Whether `size` bytes can be written over the open file from its start
// without meeting the file-size limit or a full disk, found out before a
// byte changes. errno tells why not.
bool RoomToWrite(int fd, std::size_t size, off_t oldSize) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && size > limit.rlim_cur) {
        errno = EFBIG;
        return false;
    }
    if (static_cast<off_t>(size) <= oldSize) return true;
    // The blocks the file grows by are reserved, its size left as it is.
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) == 0) return true;
    if (errno != EOPNOTSUPP && errno != ENOSYS) return false;
    struct statvfs disk {};
    const auto growth = static_cast<unsigned long long>(size) - static_cast<unsigned long long>(oldSize);
    if (::fstatvfs(fd, &disk) == 0 && static_cast<unsigned long long>(disk.f_bavail) * disk.f_frsize < growth) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

bool ReadAll(int fd, std::string& bytes) {
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        const ssize_t count = ::pread(fd, bytes.data() + filled, bytes.size() - filled, static_cast<off_t>(filled));
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) {
            if (count == 0) errno = EIO;
            return false;
        }
        filled += static_cast<std::size_t>(count);
    }
    return true;
}

// Should this fail too, nothing more can be done for the file; the caller
// reports the first failure and keeps its data.
void PutBack(int fd, const std::string& old, off_t oldSize) {
    if (WriteAll(fd, old, 0) && ::ftruncate(fd, oldSize) == 0) ::fsync(fd);
}

// Over the target itself, all or nothing: what the write could meet is
// checked first, and should it fail all the same the bytes it covered and
// the old length are put back, so that no mix of old and new is left.
WriteOutcome WriteInPlace(const std::string& target, std::string_view bytes) {
    Descriptor file(::open(target.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (!file.valid()) return WriteFailure(WriteStatus::CannotCreate, errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return WriteFailure(WriteStatus::CannotCreate, errno);
    std::string old(std::min(bytes.size(), static_cast<std::size_t>(info.st_size)), '\0');
    if (!ReadAll(file.get(), old) || !RoomToWrite(file.get(), bytes.size(), info.st_size))
        return WriteFailure(WriteStatus::WriteFailed, errno);
    if (WriteAll(file.get(), bytes, 0) && ::ftruncate(file.get(), static_cast<off_t>(bytes.size())) == 0 &&
        ::fsync(file.get()) == 0)
        return file.Close() ? WriteOutcome{} : WriteFailure(WriteStatus::WriteFailed, errno);
    const int error = errno;
    PutBack(file.get(), old, info.st_size);
    return WriteFailure(WriteStatus::WriteFailed, error);
}

WriteOutcome WriteAndRename(const std::string& target, std::string_view bytes, const struct stat* old) {
    std::string temporary;
    Descriptor file(CreateTemporary(target, old != nullptr ? (old->st_mode & 07777) : 0666, temporary));
    if (!file.valid()) {
        const int error = errno;
        // A folder the user may not write, holding a file the user may.
        if (old != nullptr && (error == EACCES || error == EPERM)) return WriteInPlace(target, bytes);
        return WriteFailure(WriteStatus::CannotCreate, error);
    }
    if (old != nullptr) {
        // The replacement keeps the old file's permissions and, where
        // allowed, its owner; the umask would otherwise narrow them.
        ::fchmod(file.get(), old->st_mode & 07777);
        if (::fchown(file.get(), old->st_uid, old->st_gid) != 0) { /* only root may give a file away */ }
    }
    if (!WriteAll(file.get(), bytes, 0) || ::fsync(file.get()) != 0 || !file.Close() ||
        ::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return WriteFailure(WriteStatus::WriteFailed, error);
    }
    SyncDirectory(target);
    return {};
}
}  // namespace

ReadOutcome ReadRegularFile(const std::string& path, std::size_t maxBytes) {
    if (path.empty()) return {{ReadStatus::CannotOpen, FileProblem::BadPath, {}}, "the path is empty"};
    // Without O_NONBLOCK, opening a FIFO waits for a writer that never comes.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid()) return ReadFailure(ReadStatus::CannotOpen, errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return ReadFailure(ReadStatus::CannotOpen, errno);
    if (S_ISDIR(info.st_mode))
        return {{ReadStatus::CannotOpen, FileProblem::BadPath, {}}, "it is a directory"};
    if (!S_ISREG(info.st_mode))
        return {{ReadStatus::CannotOpen, FileProblem::AccessDenied, {}}, "it is not a regular file"};

    std::string bytes(maxBytes, '\0');
    std::size_t filled = 0;
    while (filled < maxBytes) {
        const ssize_t count = ::read(file.get(), bytes.data() + filled, maxBytes - filled);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return ReadFailure(ReadStatus::ReadFailed, errno);
        if (count == 0) break;
        filled += static_cast<std::size_t>(count);
    }
    bytes.resize(filled);
    return {{ReadStatus::Read, FileProblem::Unknown, std::move(bytes)}, {}};
}

WriteOutcome ReplaceFile(const std::string& path, std::string_view bytes, LinkAtTarget links) {
    if (path.empty()) return {{WriteStatus::CannotCreate, FileProblem::BadPath}, "the path is empty"};
    IgnoreFileSizeSignal();
    const auto replaced = ReplacedFile(path, links);
    if (const auto* refused = std::get_if<WriteOutcome>(&replaced)) return *refused;
    const std::string& target = std::get<std::string>(replaced);
    struct stat old {};
    if (::lstat(target.c_str(), &old) != 0) {
        if (errno != ENOENT) return WriteFailure(WriteStatus::CannotCreate, errno);
        return WriteAndRename(target, bytes, nullptr);
    }
    // A link still here leads nowhere, or was put in place since it was
    // looked at: the new file takes the link's place, and rename writes
    // through nothing.
    if (S_ISLNK(old.st_mode)) return WriteAndRename(target, bytes, nullptr);
    if (S_ISDIR(old.st_mode)) return {{WriteStatus::CannotCreate, FileProblem::BadPath}, "it is a directory"};
    if (!S_ISREG(old.st_mode))
        return {{WriteStatus::CannotCreate, FileProblem::AccessDenied}, "it is not a regular file"};
    // Read-only by its mode even for root, who could write it all the same.
    if ((old.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return {{WriteStatus::CannotCreate, FileProblem::AccessDenied}, "the file is read-only"};
    return WriteAndRename(target, bytes, &old);
}

WriteOutcome CreateNewFile(const std::string& folder, const std::function<std::string(int)>& nameFor,
                           std::string_view bytes, std::string& createdPath) {
    IgnoreFileSizeSignal();
    const auto pathFor = [&](int attempt) { return folder + '/' + nameFor(attempt); };
    Descriptor file(CreateExclusive(pathFor, 0600, createdPath));
    if (!file.valid()) return WriteFailure(WriteStatus::CannotCreate, errno);
    if (!WriteAll(file.get(), bytes, 0) || ::fsync(file.get()) != 0 || !file.Close()) {
        const int error = errno;
        ::unlink(createdPath.c_str());
        return WriteFailure(WriteStatus::WriteFailed, error);
    }
    SyncDirectory(createdPath);
    return {};
}

WriteOutcome AppendLine(const std::string& path, std::string_view line) {
    IgnoreFileSizeSignal();
    Descriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600));
    if (!file.valid()) return WriteFailure(WriteStatus::CannotCreate, errno);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return WriteFailure(WriteStatus::CannotCreate, errno);
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        return {{WriteStatus::CannotCreate, FileProblem::AccessDenied}, "it is not the user's own regular file"};
    const ssize_t written = ::write(file.get(), line.data(), line.size());
    if (written < 0) return WriteFailure(WriteStatus::WriteFailed, errno);
    if (written != static_cast<ssize_t>(line.size())) return WriteFailure(WriteStatus::WriteFailed, EIO);
    if (!file.Close()) return WriteFailure(WriteStatus::WriteFailed, errno);
    return {};
}

}  // namespace SafeFiles

// SPDX-License-Identifier: GPL-3.0-or-later
// The atomic write step by step (temporary file, sync, rename, folder sync), following
// links only as the kernel's protected_symlinks rule would, and the non-blocking read.
#include "platform/files.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

int PosixOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

// Makes the rename itself durable; a directory that cannot be synced loses nothing
// that is not already safe, so its failure does not fail the save.
void SyncDirectoryOf(const std::string& path) {
    const int fd = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a path names once every symbolic link on its last component is followed
// (a link to a file that does not exist yet names that file). linked tells whether
// a link was followed.
std::optional<std::string> FollowLinks(const char* path, bool& linked) {
    constexpr int kMaxLinks = 40; // the kernel's own limit for a path
    std::string current = path;
    linked = false;
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0)
            return errno == ENOENT ? std::optional(current) : std::nullopt;
        if (!S_ISLNK(st.st_mode))
            return current;
        if (!TrustedLink(current.c_str()))
            return std::nullopt;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
        if (n < 0)
            return std::nullopt;
        target.resize(static_cast<std::size_t>(n));
        current = target.starts_with('/') || current.find('/') == std::string::npos
                      ? target
                      : DirectoryOf(current) + target;
        linked = true;
    }
    errno = ELOOP;
    return std::nullopt;
}

// What the file being replaced is, so that the new one can take its place fully.
struct Existing {
    bool exists = false;
    struct stat st {};
    // A regular file hands its owner, group and permission bits on to the new one.
    bool HandsOn() const { return exists && S_ISREG(st.st_mode); }
};

// Whether the file at target may be replaced, and what it is. A regular file must be
// one the process may open for writing, so that a read-only file keeps its contents
// as a plain open for writing would. Through a link only a regular file is replaced:
// the link may point anywhere, and what is not a results file is not ours.
bool MayReplace(const FileOps& ops, const std::string& target, bool linked, Replace rule,
                Existing& existing) {
    if (::stat(target.c_str(), &existing.st) != 0)
        return errno == ENOENT;
    existing.exists = true;
    if (!S_ISREG(existing.st.st_mode)) {
        errno = S_ISDIR(existing.st.st_mode) ? EISDIR : EINVAL;
        return !linked && rule == Replace::AnyFile;
    }
    const int fd = ops.open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
    if (fd < 0)
        return false;
    ops.close(fd);
    return true;
}

// The old file's owner, group and permission bits on the new one. Another owner or
// group is for the process to keep only where it may; the permission bits always are.
bool TakeOver(int fd, const Existing& existing) {
    if (!existing.HandsOn())
        return true;
    if (::fchown(fd, existing.st.st_uid, existing.st.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), existing.st.st_gid);
    return ::fchmod(fd, existing.st.st_mode & 07777) == 0;
}

} // namespace

bool WriteAll(const FileOps& ops, int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ops.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO; // nothing written and no reason given: the device failed
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

const FileOps& FileOps::Posix() {
    static const FileOps ops{&PosixOpen, &::write, &::fsync, &::close, &::rename, &::unlink};
    return ops;
}

bool TrustedLink(const char* path) {
    struct stat link {};
    struct stat folder {};
    if (::lstat(path, &link) != 0 || ::stat(DirectoryOf(path).c_str(), &folder) != 0)
        return false;
    // The file-system user is the one the kernel checks access as.
    const auto user = static_cast<uid_t>(::setfsuid(static_cast<uid_t>(-1)));
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    if (!S_ISLNK(link.st_mode) || link.st_uid == user || !shared || link.st_uid == folder.st_uid)
        return true;
    errno = EACCES;
    return false;
}

bool WriteFileAtomically(const char* path, std::span<const std::uint8_t> bytes, const FileOps& ops,
                         Replace rule) {
    bool linked = false;
    const std::optional<std::string> target = FollowLinks(path, linked);
    Existing existing;
    if (!target || !MayReplace(ops, *target, linked, rule, existing))
        return false;
    const std::string temp = *target + kAtomicTempSuffix;
    // A stale temporary file from an interrupted save is ours to replace; creating
    // it exclusively and without following links keeps the save from writing
    // through a link planted in its place. It is private until it takes the old
    // file's permissions.
    ops.unlink(temp.c_str());
    const int fd = ops.open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            existing.HandsOn() ? 0600 : 0666);
    if (fd < 0)
        return false;
    bool ok = TakeOver(fd, existing) && WriteAll(ops, fd, bytes) && ops.fsync(fd) == 0;
    ok = (ops.close(fd) == 0) && ok;
    ok = ok && ops.rename(temp.c_str(), target->c_str()) == 0;
    if (!ok) {
        const int error = errno;
        ops.unlink(temp.c_str());
        errno = error;
        return false;
    }
    SyncDirectoryOf(*target);
    return true;
}

FileRead ReadRegularFile(const char* path, std::size_t max) {
    FileRead result;
    auto unreadable = [&result](int error) {
        result.outcome = error == ENOENT ? FileRead::Missing : FileRead::Unreadable;
        result.reason = error == EINVAL ? "Not a regular file" : std::strerror(error);
        result.bytes.clear();
        return result;
    };
    // Looked at before it is opened, so that a device is never opened at all; and
    // again after, in case the name was given to something else in between.
    struct stat st {};
    if (::stat(path, &st) != 0)
        return unreadable(errno);
    if (!S_ISREG(st.st_mode))
        return unreadable(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return unreadable(errno);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return unreadable(EINVAL);
    }
    result.bytes.resize(max);
    std::size_t done = 0;
    while (done < max) {
        const ssize_t n = ::read(fd, result.bytes.data() + done, max - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return unreadable(error);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    result.bytes.resize(done);
    result.outcome = FileRead::Read;
    return result;
}

std::optional<std::vector<std::uint8_t>> ReadFileHead(const char* path, std::size_t max) {
    FileRead file = ReadRegularFile(path, max);
    if (file.outcome != FileRead::Read)
        return std::nullopt;
    return std::move(file.bytes);
}

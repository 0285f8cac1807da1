// SPDX-License-Identifier: GPL-3.0-or-later
// The file's identity and modification time from stat(), and the folder lock from
// flock(), which the kernel frees when the process ends.
#include "platform/disk_state.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

FileStamp FileStamp::Of(const char* path) {
    FileStamp stamp;
    struct stat st {};
    if (::stat(path, &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified = st.st_mtim;
    return stamp;
}

bool FileStamp::operator==(const FileStamp& other) const {
    return exists == other.exists && device == other.device && inode == other.inode &&
           size == other.size && modified.tv_sec == other.modified.tv_sec &&
           modified.tv_nsec == other.modified.tv_nsec;
}

bool OnlyKorvelInFolder() {
    static const bool only = [] {
        // Kept open for as long as the process lives: closing it would free the lock.
        const int fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        // A folder that cannot be opened or locked at all tells nothing of other Korvels.
        return fd < 0 || ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
    }();
    return only;
}

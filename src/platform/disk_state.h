// SPDX-License-Identifier: GPL-3.0-or-later
// What the program checks on disk besides reading and writing: whether a file changed since
// it was last read or written, and whether another Korvel works in the same folder.
#pragma once

#include <ctime>
#include <sys/types.h>

// What a file was when Korvel last read or wrote it, to tell whether another program
// (or another Korvel) changed it since.
struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};

    // The file at path, its links followed.
    static FileStamp Of(const char* path);
    bool operator==(const FileStamp& other) const;
};

// Whether this is the only Korvel working in the current folder: the first call
// locks the folder for the rest of the process, and the kernel frees the lock when
// the process ends however it ends, so a lock is never stale. The folder, not a file
// in it, is locked: a read-only folder can be locked too, and nothing is left behind.
// The lock is the process's, so that every window of one process shares it.
bool OnlyKorvelInFolder();

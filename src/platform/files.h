// SPDX-License-Identifier: GPL-3.0-or-later
// Files written so that they are whole or untouched, and read without ever waiting:
// the POSIX calls behind saving results, exporting a view and reading help.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

// The file-system calls a save makes, so that tests can make each one fail.
struct FileOps {
    int (*open)(const char* path, int flags, mode_t mode);
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(const char* from, const char* to);
    int (*unlink)(const char* path);
    // Gives a finished recovery file its name only where no file has it yet.
    int (*link)(const char* from, const char* to) = &::link;

    static const FileOps& Posix();
};

// Writes every byte, going on after a partial write or an interrupted call; on failure
// errno says why (EIO for a device that wrote nothing and gave no reason). Uses only
// async-signal-safe calls.
bool WriteAll(const FileOps& ops, int fd, std::span<const std::uint8_t> bytes);

// The temporary file an atomic write fills before it replaces the file it is for.
inline constexpr const char* kAtomicTempSuffix = ".tmp";

// Replaces the file at path with bytes, or leaves it exactly as it was: the bytes
// go to a temporary file beside it, which is synced and renamed over the file only
// when every step succeeded. On failure the temporary file is removed and errno
// says why.
//
// What the user set up stays: a symbolic link is followed and its target replaced
// (the temporary file beside the target); a file the process may not open for
// writing is not replaced; the new file takes the old one's permission bits, and its
// owner and group where the process may set them.
//
// A link is followed only where the kernel's protected_symlinks rule would follow it:
// the link is the user's own, its folder is not both sticky and writable by all, or
// the link's owner owns the folder. Any other link (one planted by another user in
// /tmp, say) is refused with EACCES. Through a link only a regular file is replaced;
// with RegularOnly a name that holds a device, FIFO, socket or folder is refused too.
enum class Replace {
    AnyFile,
    RegularOnly
};
bool WriteFileAtomically(const char* path, std::span<const std::uint8_t> bytes,
                         const FileOps& ops = FileOps::Posix(), Replace rule = Replace::AnyFile);

// Whether a symbolic link at path may be followed by the rule above; errno says why
// not (EACCES) or what failed.
bool TrustedLink(const char* path);

// What reading a file found.
struct FileRead {
    enum Outcome {
        Read,
        Missing,
        Unreadable,
    };
    Outcome outcome = Missing;
    std::vector<std::uint8_t> bytes; // Read: the file's first bytes, up to the limit
    std::string reason;              // Unreadable: why, in the system's words
};

// Reads at most max bytes of a file without ever waiting on it: only a regular file
// is read, and it is opened non-blocking, so a FIFO, device, socket or directory is
// Unreadable, as is a file that cannot be opened or read for any reason but its
// absence.
FileRead ReadRegularFile(const char* path, std::size_t max);

// The first max bytes of a regular file, or nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> ReadFileHead(const char* path, std::size_t max);

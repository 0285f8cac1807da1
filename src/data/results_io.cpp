#include "data/results_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <unistd.h>

ResultBytes EncodeResults(const std::array<Game, kMatches>& games) {
    ResultBytes bytes{};
    for (std::size_t i = 0; i < games.size(); ++i) {
        // The low eight bits, as a single-character write of the field would store them.
        bytes[kRecordSize * i] = static_cast<std::uint8_t>(games[i].score1 & 0xFF);
        bytes[kRecordSize * i + 1] = static_cast<std::uint8_t>(games[i].score2 & 0xFF);
        bytes[kRecordSize * i + 2] = static_cast<std::uint8_t>(games[i].gespeeld & 0xFF);
    }
    return bytes;
}

int DecodeResults(std::span<const std::uint8_t> bytes, std::array<Game, kMatches>& games) {
    const std::size_t records = std::min(bytes.size() / kRecordSize, games.size());
    for (std::size_t i = 0; i < records; ++i) {
        games[i].score1 = bytes[kRecordSize * i];
        games[i].score2 = bytes[kRecordSize * i + 1];
        games[i].gespeeld = bytes[kRecordSize * i + 2];
    }
    return static_cast<int>(records);
}

namespace {

int PosixOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

bool WriteAll(const FileOps& ops, int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ops.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a directory that cannot be synced loses nothing
// that is not already safe, so its failure does not fail the save.
void SyncDirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string dir = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

const FileOps& FileOps::Posix() {
    static const FileOps ops{&PosixOpen, &::write, &::fsync, &::close, &::rename, &::unlink};
    return ops;
}

bool WriteFileAtomically(const char* path, std::span<const std::uint8_t> bytes,
                         const FileOps& ops) {
    const std::string temp = std::string(path) + kResultsTempSuffix;
    // A stale temporary file from an interrupted save is ours to replace; creating
    // it exclusively and without following links keeps the save from writing
    // through a link planted in its place.
    ops.unlink(temp.c_str());
    const int fd =
        ops.open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = WriteAll(ops, fd, bytes) && ops.fsync(fd) == 0;
    ok = (ops.close(fd) == 0) && ok;
    ok = ok && ops.rename(temp.c_str(), path) == 0;
    if (!ok) {
        ops.unlink(temp.c_str());
        return false;
    }
    SyncDirectoryOf(path);
    return true;
}

std::optional<std::vector<std::uint8_t>> ReadFileHead(const char* path, std::size_t max) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(max);
    const std::size_t n = std::fread(bytes.data(), 1, max, file);
    std::fclose(file);
    bytes.resize(n);
    return bytes;
}

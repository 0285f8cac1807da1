// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a recovery file with async-signal-safe calls only: names built in fixed
// buffers, never over another Korvel's file, and a line on standard error when it fails.
#include "platform/unsaved_keeper.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Text built into a fixed buffer without allocating: what a signal handler may do.
class FixedText {
  public:
    FixedText(char* buffer, std::size_t size) : buffer_(buffer), size_(size) { buffer_[0] = '\0'; }
    FixedText& Add(const char* text) {
        while (*text && length_ + 1 < size_)
            buffer_[length_++] = *text++;
        buffer_[length_] = '\0';
        fits_ = fits_ && *text == '\0';
        return *this;
    }
    FixedText& Add(long number) {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number > 0 && n < 23);
        char reversed[24];
        for (int i = 0; i < n; ++i)
            reversed[i] = digits[n - 1 - i];
        reversed[n] = '\0';
        return Add(reversed);
    }
    const char* Text() const { return buffer_; }
    std::size_t Length() const { return length_; }
    bool Fits() const { return fits_; }

  private:
    char* buffer_;
    std::size_t size_;
    std::size_t length_ = 0;
    bool fits_ = true;
};

void BuildName(FixedText& text, const std::string& base, int n) {
    text.Add(base.c_str());
    if (n > 1)
        text.Add(".").Add(static_cast<long>(n));
}

// Creates every folder of path that is missing, readable by the user alone.
void MakeFolders(const std::string& path) {
    char folder[PATH_MAX];
    const std::size_t length = std::min(path.size(), sizeof folder - 1);
    for (std::size_t i = 1; i <= length; ++i) {
        if (i < length && path[i] != '/')
            continue;
        std::memcpy(folder, path.c_str(), i);
        folder[i] = '\0';
        ::mkdir(folder, 0700);
    }
}

// Puts the finished temporary file in place under name, never over an existing one:
// a hard link fails when the name is taken. Where the file system has no hard links
// the rename goes ahead only when the name is free.
int PlaceUnder(const FileOps& ops, const char* temp, const char* name) {
    if (ops.link(temp, name) == 0)
        return 0;
    const int error = errno;
    if (error != EPERM && error != EOPNOTSUPP && error != ENOSYS)
        return error;
    struct stat st {};
    if (::lstat(name, &st) == 0)
        return EEXIST;
    return ops.rename(temp, name) == 0 ? 0 : errno;
}

const char* Reason(int error) {
    const char* text = ::strerrordesc_np(error);
    return text ? text : "unknown error";
}

void WriteStderr(const char* text) {
    std::size_t length = std::strlen(text);
    while (length > 0) {
        const ssize_t n = ::write(STDERR_FILENO, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= static_cast<std::size_t>(n);
    }
}

// A name for the folder in the state folder: its last part, readable, and a hash of
// its whole path, so that folders of the same name each have their own.
std::string FolderKey(const std::string& folder) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : folder) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    std::string last = folder.substr(folder.rfind('/') + 1);
    for (char& c : last)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-' && c != '_')
            c = '_';
    if (last.empty() || last[0] == '.')
        last.insert(0, "folder");
    last.resize(std::min<std::size_t>(last.size(), 48));
    char hex[17];
    for (int i = 0; i < 16; ++i)
        hex[i] = "0123456789abcdef"[(hash >> (60 - 4 * i)) & 0xF];
    hex[16] = '\0';
    return last + "-" + hex;
}

} // namespace

RecoveryPlaces RecoveryPlaces::ForWorkingFolder(const char* beside) {
    RecoveryPlaces places;
    places.beside = beside;
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    if (state && state[0] == '/')
        places.stateFolder = std::string(state) + "/korvel";
    else if (home && home[0] == '/')
        places.stateFolder = std::string(home) + "/.local/state/korvel";
    std::string folder(PATH_MAX, '\0');
    if (places.stateFolder.empty() || !::getcwd(folder.data(), folder.size()))
        return places;
    folder.resize(std::strlen(folder.c_str()));
    places.inState = places.stateFolder + "/" + FolderKey(folder) + ".unsaved";
    return places;
}

std::string RecoveryName(const std::string& base, int n) {
    return n > 1 ? base + "." + std::to_string(n) : base;
}

std::vector<RecoveryFile> FindRecoveryFiles(const RecoveryPlaces& places) {
    std::vector<RecoveryFile> found;
    for (const std::string* base : {&places.beside, &places.inState}) {
        if (base->empty())
            continue;
        for (int n = 1; n <= kMaxRecoveryFiles; ++n) {
            const std::string name = RecoveryName(*base, n);
            struct stat st {};
            if (::lstat(name.c_str(), &st) == 0)
                found.push_back({name, st.st_mtim.tv_sec, st.st_mtim.tv_nsec});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const RecoveryFile& a, const RecoveryFile& b) {
        return a.written != b.written ? a.written > b.written : a.nanoseconds > b.nanoseconds;
    });
    return found;
}

FileRead ReadRecoveryFile(const char* path, std::size_t max) {
    struct stat st {};
    if (::lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
        FileRead link;
        link.outcome = FileRead::Unreadable;
        link.reason = "it is a symbolic link, which Korvel does not follow here";
        return link;
    }
    return ReadRegularFile(path, max);
}

UnsavedKeeper::UnsavedKeeper(RecoveryPlaces places)
    : places_(std::move(places)), ops_(&FileOps::Posix()) {}

void UnsavedKeeper::Update(std::span<const std::uint8_t> bytes, bool unsaved) {
    bytes = bytes.first(std::min(bytes.size(), kCapacity));
    const Image& now = slots_[current_.load()];
    if (std::equal(bytes.begin(), bytes.end(), now.bytes.begin(), now.bytes.begin() + now.size) &&
        unsaved == unsaved_.load())
        return;
    // The slot not in use takes the new image; a signal in between still finds the
    // previous one whole.
    const int next = 1 - current_.load();
    std::copy(bytes.begin(), bytes.end(), slots_[next].bytes.begin());
    slots_[next].size = bytes.size();
    current_.store(next);
    unsaved_.store(unsaved);
    // Results changed since they were kept are kept anew at the next end.
    int kept = 2;
    state_.compare_exchange_strong(kept, 0);
}

int UnsavedKeeper::WriteIn(const std::string& base) {
    if (base.empty())
        return ENOENT;
    char temp[PATH_MAX];
    FixedText tempName(temp, sizeof temp);
    tempName.Add(base.c_str()).Add(".").Add(static_cast<long>(::getpid())).Add(".tmp");
    if (!tempName.Fits())
        return ENAMETOOLONG;
    // A stale file of a process with the same number goes; created exclusively and
    // without following links, so nothing planted in its place is written through.
    ops_->unlink(temp);
    const int fd = ops_->open(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    const Image& image = slots_[current_.load()];
    bool ok =
        WriteAll(*ops_, fd, std::span(image.bytes.data(), image.size)) && ops_->fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (ops_->close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        error = EEXIST;
        for (int n = 1; n <= kMaxRecoveryFiles && error == EEXIST; ++n) {
            char name[PATH_MAX];
            FixedText finalName(name, sizeof name);
            BuildName(finalName, base, n);
            error = PlaceUnder(*ops_, temp, name);
            if (error == 0) {
                FixedText kept(keptIn_, sizeof keptIn_);
                kept.Add(name);
            }
        }
    }
    ops_->unlink(temp);
    return error;
}

UnsavedKeeper::Outcome UnsavedKeeper::Keep() {
    int expected = 0;
    if (!state_.compare_exchange_strong(expected, 1))
        return outcome_;
    const int saved = errno;
    if (!unsaved_.load()) {
        outcome_ = Outcome::NothingToKeep;
    } else {
        const int beside = WriteIn(places_.beside);
        int inState = beside;
        if (beside != 0 && !places_.stateFolder.empty()) {
            MakeFolders(places_.stateFolder);
            inState = WriteIn(places_.inState);
        }
        outcome_ = beside == 0 || inState == 0 ? Outcome::Kept : Outcome::Failed;
        if (outcome_ == Outcome::Failed) {
            char line[2 * PATH_MAX];
            FixedText text(line, sizeof line);
            text.Add("korvel: the unsaved results could not be written to ")
                .Add(places_.beside.c_str())
                .Add(" (")
                .Add(Reason(beside))
                .Add(")");
            if (!places_.inState.empty())
                text.Add(" nor to ")
                    .Add(places_.inState.c_str())
                    .Add(" (")
                    .Add(Reason(inState))
                    .Add(")");
            text.Add(": they are lost\n");
            WriteStderr(text.Text());
        }
    }
    errno = saved;
    state_.store(2);
    return outcome_;
}

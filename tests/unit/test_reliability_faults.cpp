// Saving when the file system fails: every step of a save fails in turn through
// the window's file operations. A failed save must say so, keep the results marked
// unsaved, leave the previous file exactly as it was and leave no temporary file
// behind; the next save with working file operations must then succeed.
#include "support/fixture.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kTempFile = "korvel.dat.tmp";
constexpr const char* kFailureText = "Wegschrijven mislukt";
constexpr const char* kFailureCaption = "Fout bij wegschrijven gegevens";

enum class Fault {
    None,
    OpenFails,
    WriteFails,
    ShortWriteThenFails,
    WriteReturnsZero,
    WriteInterruptedOnce,
    WritesOneByteAtATime,
    FsyncFails,
    CloseFails,
    RenameFails,
};

// What the injected operations do, and how often each was called.
struct FaultState {
    Fault fault = Fault::None;
    int opens = 0, writes = 0, fsyncs = 0, closes = 0, renames = 0;
};
FaultState state;

int FaultyOpen(const char* path, int flags, mode_t mode) {
    ++state.opens;
    if (state.fault == Fault::OpenFails) {
        errno = EACCES;
        return -1;
    }
    return ::open(path, flags, mode);
}

ssize_t FaultyWrite(int fd, const void* data, std::size_t size) {
    const int call = state.writes++;
    switch (state.fault) {
    case Fault::WriteFails:
        errno = ENOSPC;
        return -1;
    case Fault::ShortWriteThenFails:
        if (call == 0)
            return ::write(fd, data, std::min<std::size_t>(size, 10));
        errno = EIO;
        return -1;
    case Fault::WriteReturnsZero:
        return 0;
    case Fault::WriteInterruptedOnce:
        if (call == 0) {
            errno = EINTR;
            return -1;
        }
        break;
    case Fault::WritesOneByteAtATime:
        return ::write(fd, data, std::min<std::size_t>(size, 1));
    default:
        break;
    }
    return ::write(fd, data, size);
}

int FaultyFsync(int fd) {
    ++state.fsyncs;
    if (state.fault == Fault::FsyncFails) {
        errno = EIO;
        return -1;
    }
    return ::fsync(fd);
}

// A failing close has still released the descriptor, as close(2) does.
int FaultyClose(int fd) {
    ++state.closes;
    const int result = ::close(fd);
    if (state.fault == Fault::CloseFails) {
        errno = EIO;
        return -1;
    }
    return result;
}

int FaultyRename(const char* from, const char* to) {
    ++state.renames;
    if (state.fault == Fault::RenameFails) {
        errno = EXDEV;
        return -1;
    }
    return ::rename(from, to);
}

int PlainUnlink(const char* path) { return ::unlink(path); }

const FileOps kFaultyOps{&FaultyOpen,  &FaultyWrite,  &FaultyFsync,
                         &FaultyClose, &FaultyRename, &PlainUnlink};

std::vector<std::uint8_t> ReadAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const char* path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Encoded(const std::array<Game, kMatches>& games) {
    const ResultBytes bytes = EncodeResults(games);
    return {bytes.begin(), bytes.end()};
}

std::set<std::string> FilesIn(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

// A main window whose working directory is a fresh, empty folder of its own.
class ReliabilitySave : public WindowTest {
  protected:
    void SetUp() override {
        state = FaultState{};
        window.FirstTime = 0;
    }

    // A results file from an earlier run: England 2-0 up in the opening match.
    std::vector<std::uint8_t> EarlierFile() {
        std::array<Game, kMatches> earlier{};
        earlier[0] = Game{0, 0, 0, 0, 1, 2, 0, 1};
        return Encoded(earlier);
    }

    // Results entered in this run, unsaved: different from the earlier file in
    // every record, so a torn or partial file cannot pass for either.
    void EnterResults() {
        for (int m = 0; m < kMatches; ++m)
            Result(m, 1 + m % 5, 7 - m % 3);
        window.MoetSaven = 1;
    }

    ScopedWorkDir workDir_{"korvel-faults"};
    const fs::path& dir_ = workDir_.Path();
};

struct FaultCase {
    const char* name;
    Fault fault;
    bool earlierFile; // a results file exists before the save
    bool saves;       // the save succeeds despite the fault
};

class ReliabilitySaveFaults : public ReliabilitySave,
                              public ::testing::WithParamInterface<FaultCase> {};

TEST_P(ReliabilitySaveFaults, AFailedStepKeepsTheOldFileAndTheUnsavedMark) {
    const FaultCase& c = GetParam();
    const std::vector<std::uint8_t> earlier = EarlierFile();
    if (c.earlierFile)
        WriteAll(kResultsFile, earlier);
    EnterResults();

    window.SetFileOps(kFaultyOps);
    state.fault = c.fault;
    if (!c.saves)
        host.ExpectBox(kFailureCaption, IDOK);
    window.CmFileSave();
    state.fault = Fault::None;

    EXPECT_FALSE(fs::exists(kTempFile)) << "temporary file left behind";
    if (c.saves) {
        EXPECT_TRUE(host.boxes.empty());
        EXPECT_EQ(window.MoetSaven, 0);
        EXPECT_EQ(ReadAll(kResultsFile), Encoded(window.Wedstrijd));
        return;
    }
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, kFailureText);
    EXPECT_EQ(host.boxes[0].caption, kFailureCaption);
    EXPECT_EQ(host.boxes[0].style, MB_OK | MB_ICONSTOP);
    EXPECT_EQ(window.MoetSaven, 1);
    if (c.earlierFile) {
        EXPECT_EQ(ReadAll(kResultsFile), earlier) << "the previous file changed";
        EXPECT_EQ(FilesIn(dir_), std::set<std::string>{kResultsFile});
    } else {
        EXPECT_TRUE(FilesIn(dir_).empty()) << "a failed first save left a file";
    }

    // The disk recovers: the next save stores everything and clears the mark.
    window.SetFileOps(FileOps::Posix());
    window.CmFileSave();
    EXPECT_EQ(host.boxes.size(), 1u) << "the recovered save reported a failure";
    EXPECT_EQ(window.MoetSaven, 0);
    EXPECT_EQ(ReadAll(kResultsFile), Encoded(window.Wedstrijd));
    EXPECT_EQ(FilesIn(dir_), std::set<std::string>{kResultsFile});
}

const FaultCase kFaultCases[] = {
    {"OpenFails", Fault::OpenFails, true, false},
    {"OpenFailsOnFirstSave", Fault::OpenFails, false, false},
    {"WriteFails", Fault::WriteFails, true, false},
    {"ShortWriteThenFails", Fault::ShortWriteThenFails, true, false},
    {"WriteReturnsZero", Fault::WriteReturnsZero, true, false},
    {"FsyncFails", Fault::FsyncFails, true, false},
    {"CloseFails", Fault::CloseFails, true, false},
    {"RenameFails", Fault::RenameFails, true, false},
    {"RenameFailsOnFirstSave", Fault::RenameFails, false, false},
    {"WriteInterruptedOnceIsRetried", Fault::WriteInterruptedOnce, true, true},
    {"ShortWritesAreContinued", Fault::WritesOneByteAtATime, true, true},
};

INSTANTIATE_TEST_SUITE_P(Steps, ReliabilitySaveFaults, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each injected fault is reached by a save: a fault that never fires would make
// its row above pass for the wrong reason.
TEST_F(ReliabilitySave, EveryInjectedFaultIsReachedBySaving) {
    EnterResults();
    window.SetFileOps(kFaultyOps);
    window.CmFileSave();
    EXPECT_EQ(window.MoetSaven, 0);
    EXPECT_EQ(state.opens, 1);
    EXPECT_GE(state.writes, 1);
    EXPECT_EQ(state.fsyncs, 1);
    EXPECT_EQ(state.closes, 1);
    EXPECT_EQ(state.renames, 1);
}

// What an interrupted save can leave beside the results file, or what else may
// stand in the temporary file's place, at the next start and the next save.
enum class Leftover {
    Garbage,
    Empty,
    WholeOtherResults,
    ReadOnly,
    LinkToAnotherFile,
    Directory,
};

struct LeftoverCase {
    const char* name;
    Leftover leftover;
    bool earlierFile; // the interrupted save was not the first one
    bool saves;
};

class ReliabilityLeftoverTemp : public ReliabilitySave,
                                public ::testing::WithParamInterface<LeftoverCase> {};

TEST_P(ReliabilityLeftoverTemp, TheNextStartIgnoresItAndTheNextSaveReplacesIt) {
    const LeftoverCase& c = GetParam();
    const std::vector<std::uint8_t> earlier = EarlierFile();
    if (c.earlierFile)
        WriteAll(kResultsFile, earlier);
    const fs::path outside = dir_ / "elsewhere";
    const std::vector<std::uint8_t> outsideBytes{'k', 'e', 'e', 'p'};
    switch (c.leftover) {
    case Leftover::Garbage:
        WriteAll(kTempFile, {9, 9, 9, 9, 9, 9, 9});
        break;
    case Leftover::Empty:
        WriteAll(kTempFile, {});
        break;
    case Leftover::WholeOtherResults:
        WriteAll(kTempFile, std::vector<std::uint8_t>(kResultsFileSize, 1));
        break;
    case Leftover::ReadOnly:
        WriteAll(kTempFile, {1, 2, 3});
        fs::permissions(kTempFile, fs::perms::owner_read);
        break;
    case Leftover::LinkToAnotherFile:
        WriteAll(outside.c_str(), outsideBytes);
        fs::create_symlink(outside, kTempFile);
        break;
    case Leftover::Directory:
        fs::create_directory(kTempFile);
        break;
    }

    // The next start loads the results file and nothing else.
    window.FirstTime = 1;
    host.ExpectBox("Korvel", IDOK);
    window.DoFirstTime();
    EXPECT_EQ(window.Wedstrijd[0].score1, c.earlierFile ? 2 : 0);
    EXPECT_EQ(window.Wedstrijd[0].gespeeld, c.earlierFile ? 1 : 0);
    for (int m = 1; m < kMatches; ++m)
        EXPECT_EQ(window.Wedstrijd[m].gespeeld, 0) << "match " << m;

    EnterResults();
    if (!c.saves)
        host.ExpectBox(kFailureCaption, IDOK);
    window.CmFileSave();
    if (c.saves) {
        EXPECT_EQ(window.MoetSaven, 0);
        EXPECT_EQ(ReadAll(kResultsFile), Encoded(window.Wedstrijd));
        EXPECT_FALSE(fs::exists(fs::symlink_status(kTempFile)));
    } else {
        EXPECT_EQ(window.MoetSaven, 1);
        EXPECT_EQ(fs::exists(kResultsFile), c.earlierFile);
        if (c.earlierFile) {
            EXPECT_EQ(ReadAll(kResultsFile), earlier);
        }
    }
    if (c.leftover == Leftover::LinkToAnotherFile) {
        EXPECT_EQ(ReadAll(outside.c_str()), outsideBytes) << "the save wrote through the link";
    }
}

const LeftoverCase kLeftoverCases[] = {
    {"Garbage", Leftover::Garbage, true, true},
    {"GarbageFromTheFirstSave", Leftover::Garbage, false, true},
    {"Empty", Leftover::Empty, true, true},
    {"WholeOtherResults", Leftover::WholeOtherResults, true, true},
    {"WholeOtherResultsFromTheFirstSave", Leftover::WholeOtherResults, false, true},
    {"ReadOnly", Leftover::ReadOnly, true, true},
    {"LinkToAnotherFile", Leftover::LinkToAnotherFile, true, true},
    // Not ours to remove: the save fails and says so.
    {"Directory", Leftover::Directory, true, false},
};

INSTANTIATE_TEST_SUITE_P(Kinds, ReliabilityLeftoverTemp, ::testing::ValuesIn(kLeftoverCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

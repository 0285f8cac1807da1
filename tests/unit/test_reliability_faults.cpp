// SPDX-License-Identifier: GPL-3.0-or-later
// Saving when the file system fails: every step of a save fails in turn through
// the window's file operations. A failed save must say so, keep the results marked
// unsaved, leave the previous file exactly as it was and leave no temporary file
// behind; the next save with working file operations must then succeed.
#include "support/fixture.h"
#include "support/ordinary_user.h"
#include "support/work_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <sys/fsuid.h>
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
    TargetNotWritable, // the results file may not be opened for writing
    FolderTakesNoFile, // nothing can be created in the working folder (read-only, full)
};

// What the injected operations do, and how often each was called.
struct FaultState {
    Fault fault = Fault::None;
    int opens = 0, writes = 0, fsyncs = 0, closes = 0, renames = 0;
};
FaultState state;

int FaultyOpen(const char* path, int flags, mode_t mode) {
    ++state.opens;
    const bool target = (flags & O_CREAT) == 0;
    if (state.fault == Fault::OpenFails || (state.fault == Fault::TargetNotWritable && target)) {
        errno = EACCES;
        return -1;
    }
    // Names in the working folder are relative; the state folder's are absolute.
    if (state.fault == Fault::FolderTakesNoFile && path[0] != '/') {
        errno = EROFS;
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

// The system's reason each fault gives, as the failure box must name it.
int ErrorOf(Fault fault) {
    switch (fault) {
    case Fault::OpenFails:
    case Fault::TargetNotWritable:
        return EACCES;
    case Fault::WriteFails:
        return ENOSPC;
    case Fault::RenameFails:
        return EXDEV;
    default:
        return EIO;
    }
}

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
    EXPECT_EQ(host.boxes[0].text,
              std::string(kFailureText) + "\n\nkorvel.dat: " + std::strerror(ErrorOf(c.fault)));
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
    // A read-only results file, as an ordinary user has it: not replaced.
    {"TargetNotWritable", Fault::TargetNotWritable, true, false},
    {"NoTargetToWriteOnFirstSave", Fault::TargetNotWritable, false, true},
    {"WriteInterruptedOnceIsRetried", Fault::WriteInterruptedOnce, true, true},
    {"ShortWritesAreContinued", Fault::WritesOneByteAtATime, true, true},
};

INSTANTIATE_TEST_SUITE_P(Steps, ReliabilitySaveFaults, ::testing::ValuesIn(kFaultCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each injected fault is reached by a save: a fault that never fires would make
// its row above pass for the wrong reason.
TEST_F(ReliabilitySave, EveryInjectedFaultIsReachedBySaving) {
    for (const bool earlierFile : {false, true}) {
        SCOPED_TRACE(earlierFile ? "over an earlier file" : "first save");
        state = FaultState{};
        // Written by another program after the first save: replaced only when the user says so.
        if (earlierFile) {
            WriteAll(kResultsFile, EarlierFile());
            host.ExpectBox("Results file changed", IDYES);
        }
        EnterResults();
        window.SetFileOps(kFaultyOps);
        window.CmFileSave();
        EXPECT_EQ(window.MoetSaven, 0);
        // An earlier file is first opened for writing, to see that it may be written.
        EXPECT_EQ(state.opens, earlierFile ? 2 : 1);
        EXPECT_GE(state.writes, 1);
        EXPECT_EQ(state.fsyncs, 1);
        EXPECT_EQ(state.closes, earlierFile ? 2 : 1);
        EXPECT_EQ(state.renames, 1);
    }
}

// What the user set up around the results file stays after a save: a link and
// where it points, the file's permission bits, a file they may not write.
struct SetUpCase {
    const char* name;
    // Puts the results file in place; returns the file the results belong in.
    fs::path (*arrange)(const fs::path& dir);
    bool ordinaryUser; // as root, check permissions as an ordinary user
    bool saves;
    fs::perms mode; // of the file the results belong in, after the save
};

class ReliabilitySaveKeepsSetUp : public ReliabilitySave,
                                  public ::testing::WithParamInterface<SetUpCase> {};

TEST_P(ReliabilitySaveKeepsSetUp, AfterTheSave) {
    const SetUpCase& c = GetParam();
    std::optional<AsOrdinaryUser> user;
    if (c.ordinaryUser) {
        user.emplace(dir_);
        if (!user->Ok())
            GTEST_SKIP() << "running as root without leave to act as another user";
    }
    const mode_t umask = ::umask(022);
    const fs::path target = c.arrange(dir_);
    const bool linked = fs::is_symlink(kResultsFile);
    const fs::path link = linked ? fs::read_symlink(kResultsFile) : fs::path();
    const std::vector<std::uint8_t> before =
        fs::exists(target) ? ReadAll(target.c_str()) : std::vector<std::uint8_t>{};
    EnterResults();
    if (!c.saves)
        host.ExpectBox(kFailureCaption, IDOK);
    window.CmFileSave();
    ::umask(umask);

    EXPECT_EQ(window.MoetSaven, c.saves ? 0 : 1);
    EXPECT_EQ(fs::is_symlink(kResultsFile), linked) << "the link was replaced";
    if (linked) {
        EXPECT_EQ(fs::read_symlink(kResultsFile), link);
    }
    if (c.saves) {
        EXPECT_EQ(ReadAll(target.c_str()), Encoded(window.Wedstrijd));
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
        EXPECT_EQ(fs::status(target).permissions(), c.mode);
    } else if (fs::is_regular_file(target)) {
        EXPECT_EQ(ReadAll(target.c_str()), before) << "a file refused was changed";
        EXPECT_EQ(fs::status(target).permissions(), c.mode);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(target.string() + ".tmp")));
    EXPECT_FALSE(fs::exists(fs::symlink_status(kTempFile)));
}

using fs::perms;
constexpr perms kRw = perms::owner_read | perms::owner_write;
constexpr perms kRwR = kRw | perms::group_read;
constexpr perms kRwRR = kRwR | perms::others_read;
constexpr perms kRRR = perms::owner_read | perms::group_read | perms::others_read;

fs::path PlainFile(const fs::path& dir, perms mode) {
    WriteAll(kResultsFile, {1, 2, 3});
    fs::permissions(kResultsFile, mode);
    return dir / kResultsFile;
}

// korvel.dat is a link to a file of mode 0600 in a folder beside it.
fs::path LinkedFile(const fs::path& dir, const fs::path& link) {
    fs::create_directory(dir / "data");
    WriteAll((dir / "data/real.dat").c_str(), {1, 2, 3});
    fs::permissions(dir / "data/real.dat", kRw);
    fs::create_symlink(link, kResultsFile);
    return dir / "data/real.dat";
}

const SetUpCase kSetUpCases[] = {
    {"NewFileTakesTheUmask", [](const fs::path& dir) { return dir / kResultsFile; }, false, true,
     kRwRR},
    {"PrivateFileStaysPrivate", [](const fs::path& dir) { return PlainFile(dir, kRw); }, false,
     true, kRw},
    {"GroupReadableStays", [](const fs::path& dir) { return PlainFile(dir, kRwR); }, false, true,
     kRwR},
    {"OwnFileOfOrdinaryUser", [](const fs::path& dir) { return PlainFile(dir, kRw); }, true, true,
     kRw},
    {"ReadOnlyIsRefused", [](const fs::path& dir) { return PlainFile(dir, kRRR); }, true, false,
     kRRR},
    {"LinkIsFollowed", [](const fs::path& dir) { return LinkedFile(dir, dir / "data/real.dat"); },
     false, true, kRw},
    {"RelativeLinkIsFollowed", [](const fs::path& dir) { return LinkedFile(dir, "data/real.dat"); },
     false, true, kRw},
    {"ChainOfLinksIsFollowed",
     [](const fs::path& dir) {
         const fs::path target = LinkedFile(dir, "second");
         fs::create_symlink("data/real.dat", dir / "second");
         return target;
     },
     false, true, kRw},
    {"LinkToAFileNotYetThere",
     [](const fs::path& dir) {
         fs::create_directory(dir / "data");
         fs::create_symlink("data/new.dat", kResultsFile);
         return dir / "data/new.dat";
     },
     false, true, kRwRR},
    {"LinkToADeviceIsRefused",
     [](const fs::path&) {
         fs::create_symlink("/dev/null", kResultsFile);
         return fs::path("/dev/null");
     },
     false, false, perms::none},
};

INSTANTIATE_TEST_SUITE_P(Kinds, ReliabilitySaveKeepsSetUp, ::testing::ValuesIn(kSetUpCases),
                         [](const auto& info) { return std::string(info.param.name); });

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

// Results not saved when the program is ended go beside korvel.dat, at the first free
// name when other Korvels' files are there (never over one), or to the state folder
// when the working folder takes no file; the next start offers each, newest first, and
// Yes brings this run's back.
struct RecoveryCase {
    const char* name;
    Fault fault;
    int others;           // recovery files other Korvels left beside korvel.dat
    const char* keptName; // where the results must go; empty: the state folder
};

class ReliabilityRecovery : public ReliabilitySave,
                            public ::testing::WithParamInterface<RecoveryCase> {};

TEST_P(ReliabilityRecovery, GoesToAFreePlaceAndIsOfferedBack) {
    const RecoveryCase& c = GetParam();
    const fs::path stateHome = dir_ / "state";
    ASSERT_EQ(::setenv("XDG_STATE_HOME", stateHome.c_str(), 1), 0);
    std::vector<std::uint8_t> other(kResultsFileSize, 0);
    other[2] = 1; // the others: match 0 ended 0-0
    // Written a minute ago; the file system's clock is too coarse to order files
    // written in the same few milliseconds.
    for (int n = 1; n <= c.others; ++n) {
        WriteAll(RecoveryName(kUnsavedFile, n).c_str(), other);
        fs::last_write_time(RecoveryName(kUnsavedFile, n),
                            fs::file_time_type::clock::now() - std::chrono::minutes(1));
    }

    RecordingHost endingHost;
    TDrawWindow ending(nullptr);
    endingHost.Attach(ending);
    for (int m = 0; m < 4; ++m) {
        ending.Wedstrijd[m].score1 = 3;
        ending.Wedstrijd[m].score2 = 1;
        ending.Wedstrijd[m].gespeeld = 1;
    }
    ending.MoetSaven = 1;
    ending.SetFileOps(kFaultyOps);
    state.fault = c.fault;
    EXPECT_EQ(ending.EndAtOnce(), 1);
    state.fault = Fault::None;
    const std::string kept =
        *c.keptName ? std::string(c.keptName) : ending.Keeper()->Places().inState;
    EXPECT_EQ(ending.Keeper()->KeptIn(), kept);
    EXPECT_EQ(ReadAll(kept.c_str()), Encoded(ending.Wedstrijd));
    for (int n = 1; n <= c.others; ++n)
        EXPECT_EQ(ReadAll(RecoveryName(kUnsavedFile, n).c_str()), other) << "file " << n;

    // The next start: this run's file is the newest, and Yes restores it; the others,
    // older, are declined.
    RecordingHost nextHost;
    nextHost.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    TDrawWindow next(nullptr);
    nextHost.Attach(next);
    nextHost.ExpectBox("Korvel", IDOK);
    nextHost.ExpectBox("Unsaved results", IDYES);
    for (int n = 1; n <= c.others; ++n)
        nextHost.ExpectBox("Unsaved results", IDNO);
    next.DoFirstTime();
    EXPECT_TRUE(nextHost.ScriptDone());
    EXPECT_EQ(Encoded(next.Wedstrijd), Encoded(ending.Wedstrijd));
    EXPECT_EQ(next.MoetSaven, 1);
    EXPECT_TRUE(FindRecoveryFiles(next.Keeper()->Places()).empty());
    ::unsetenv("XDG_STATE_HOME");
}

const RecoveryCase kRecoveryCases[] = {
    {"Beside", Fault::None, 0, "korvel.dat.unsaved"},
    {"BesideAnotherKorvels", Fault::None, 1, "korvel.dat.unsaved.2"},
    {"BesideTwoOthers", Fault::None, 2, "korvel.dat.unsaved.3"},
    {"StateFolderWhenTheFolderTakesNoFile", Fault::FolderTakesNoFile, 0, ""},
    {"StateFolderWithAnotherKorvelsBeside", Fault::FolderTakesNoFile, 1, ""},
};

INSTANTIATE_TEST_SUITE_P(Places, ReliabilityRecovery, ::testing::ValuesIn(kRecoveryCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A symbolic link in a shared folder is followed only as the kernel's protected_symlinks
// rule would: a link that another user planted in a sticky folder writable by all is
// not, so Save fails and says so, and the file it points at is left alone. Unsaved
// results never go through a link at all. Acts as user nobody through setfsuid.
struct PlantedLinkCase {
    const char* name;
    uid_t linkOwner;
    bool sticky;
    bool followed;
};

class ReliabilityPlantedLink : public ReliabilitySave,
                               public ::testing::WithParamInterface<PlantedLinkCase> {};

constexpr uid_t kNobody = AsOrdinaryUser::kNobody;
constexpr uid_t kAnotherUser = 4242;

TEST_P(ReliabilityPlantedLink, IsFollowedOnlyWhereTheKernelWould) {
    const PlantedLinkCase& c = GetParam();
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make links of other users";
    const fs::path shared = dir_ / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(dir_.c_str(), 0711), 0); // the links' absolute targets pass through
    ASSERT_EQ(::chmod(shared.c_str(), c.sticky ? 01777 : 0777), 0);
    const std::vector<std::uint8_t> victim(kResultsFileSize, 7);
    WriteAll((shared / "victim").c_str(), victim);
    ASSERT_EQ(::chown((shared / "victim").c_str(), kNobody, kNobody), 0);
    for (const char* name : {kResultsFile, kUnsavedFile}) {
        fs::create_symlink(shared / "victim", shared / name);
        ASSERT_EQ(::lchown((shared / name).c_str(), c.linkOwner, c.linkOwner), 0);
    }
    fs::current_path(shared);
    ::setfsgid(kNobody);
    ::setfsuid(kNobody);

    EnterResults();
    if (!c.followed)
        host.ExpectBox(kFailureCaption, IDOK);
    window.CmFileSave();
    EXPECT_EQ(ReadAll("victim"), c.followed ? Encoded(window.Wedstrijd) : victim);
    if (!c.followed) {
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].text,
                  std::string(kFailureText) + "\n\nkorvel.dat: " + std::strerror(EACCES));
    }
    // The link in the unsaved results' place is passed over for the next free name.
    window.Wedstrijd[0].score1 = 9;
    window.MoetSaven = 1;
    EXPECT_EQ(window.EndAtOnce(), 1);
    EXPECT_EQ(window.Keeper()->KeptIn(), RecoveryName(kUnsavedFile, 2));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(kUnsavedFile)));

    ::setfsuid(0);
    ::setfsgid(0);
    fs::current_path(dir_);
}

const PlantedLinkCase kPlantedLinkCases[] = {
    {"AnotherUsersInAStickyFolder", kAnotherUser, true, false},
    {"OwnInAStickyFolder", kNobody, true, true},
    {"TheFolderOwnersInAStickyFolder", 0, true, true},
    {"AnotherUsersInAFolderNotSticky", kAnotherUser, false, true},
};

INSTANTIATE_TEST_SUITE_P(Owners, ReliabilityPlantedLink, ::testing::ValuesIn(kPlantedLinkCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// korvel.dat: saving, loading on the first paint, and the welcome message.

#include "support/fixture.h"
#include "support/ordinary_user.h"
#include "support/work_dir.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kFile = "korvel.dat";
constexpr const char* kTemp = "korvel.dat.tmp";

// A 93-byte file with the given records (match, score1, score2, gespeeld).
struct Record {
    int match;
    int score1;
    int score2;
    int gespeeld;
};

Bytes FileWith(std::initializer_list<Record> records) {
    Bytes bytes(93, 0);
    for (const Record& r : records) {
        bytes[3 * r.match] = static_cast<std::uint8_t>(r.score1);
        bytes[3 * r.match + 1] = static_cast<std::uint8_t>(r.score2);
        bytes[3 * r.match + 2] = static_cast<std::uint8_t>(r.gespeeld);
    }
    return bytes;
}

// Each test runs in a fresh directory of its own, because the program reads and
// writes the bare name korvel.dat in the working directory.
class ResultsFileTest : public WindowTest {
  protected:
    ScopedWorkDir workDir_{"korvel-results"};

    // Runs the first-paint load in a fresh window, as the next run of the
    // program would; the welcome box is answered.
    void LoadInto(TDrawWindow& fresh) {
        host.Attach(fresh);
        host.ExpectBox("Korvel", IDOK);
        fresh.DoFirstTime();
        host.Attach(window);
    }

    // A file of another size than 93 bytes is named in a box after the welcome box.
    void Load(bool oddSize = false) {
        host.ExpectBox("Korvel", IDOK);
        if (oddSize)
            host.ExpectBox("Results file not as expected", IDOK);
        window.DoFirstTime();
    }

    void ExpectNoResult(const Game& g, int match) {
        EXPECT_EQ(g.score1, 0) << "match " << match;
        EXPECT_EQ(g.score2, 0) << "match " << match;
        EXPECT_EQ(g.gespeeld, 0) << "match " << match;
    }
};

// ---------------------------------------------------------------------------
// Saving.

TEST_F(ResultsFileTest, SaveWritesThreeBytesPerMatchAndNothingElse) {
    Result(0, 2, 1);
    Result(1, 0, 0);
    Result(2, 3, 4);
    Result(3, 1, 1);
    Result(4, 5, 0);
    window.CmFileSave();
    const Bytes bytes = ReadBytes(kFile);
    ASSERT_EQ(bytes.size(), 93u);
    EXPECT_EQ(Bytes(bytes.begin() + 6, bytes.begin() + 9), (Bytes{3, 4, 1})); // record 2
    EXPECT_EQ(bytes,
              FileWith({{0, 2, 1, 1}, {1, 0, 0, 1}, {2, 3, 4, 1}, {3, 1, 1, 1}, {4, 5, 0, 1}}));
}

TEST_F(ResultsFileTest, SuccessfulSaveClearsMoetSavenWithoutBoxOrRepaint) {
    Result(7, 1, 0);
    window.MoetSaven = 1;
    window.CmFileSave();
    EXPECT_EQ(window.MoetSaven, 0);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.invalidations, 0);
    EXPECT_FALSE(fs::exists(kTemp));
    // Nothing on screen changes: a screen reader is told in words.
    EXPECT_EQ(host.announced, std::vector<std::string>{"Results saved."});
}

TEST_F(ResultsFileTest, SaveReplacesALongerFileCompletely) {
    WriteBytes(kFile, Bytes(200, 0x55));
    Result(30, 1, 0);
    window.CmFileSave();
    EXPECT_EQ(ReadBytes(kFile), FileWith({{30, 1, 0, 1}}));
}

// A temporary file left by a save that was interrupted must not block the next.
TEST_F(ResultsFileTest, SaveReplacesAStaleTemporaryFile) {
    WriteBytes(kTemp, Bytes(5, 9));
    Result(0, 1, 2);
    window.MoetSaven = 1;
    window.CmFileSave();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(window.MoetSaven, 0);
    EXPECT_EQ(ReadBytes(kFile), FileWith({{0, 1, 2, 1}}));
    EXPECT_FALSE(fs::exists(kTemp));
}

// Each field is stored as its low eight bits.
struct ByteCase {
    int score;
    std::uint8_t byte;
};

void PrintTo(const ByteCase& c, std::ostream* os) { *os << c.score << " -> " << int{c.byte}; }

class SavedScoreByte : public ResultsFileTest, public ::testing::WithParamInterface<ByteCase> {};

TEST_P(SavedScoreByte, IsTheLowEightBits) {
    Result(10, GetParam().score, 0);
    Result(11, 0, GetParam().score);
    window.CmFileSave();
    const Bytes bytes = ReadBytes(kFile);
    ASSERT_EQ(bytes.size(), 93u);
    EXPECT_EQ(bytes[30], GetParam().byte);
    EXPECT_EQ(bytes[34], GetParam().byte);
}

INSTANTIATE_TEST_SUITE_P(Results, SavedScoreByte,
                         ::testing::Values(ByteCase{300, 44}, ByteCase{256, 0}, ByteCase{-1, 255},
                                           ByteCase{255, 255}),
                         [](const auto& info) {
                             const int s = info.param.score;
                             return s < 0 ? "Minus" + std::to_string(-s)
                                          : "Score" + std::to_string(s);
                         });

// Bytes that a text-mode file would translate or treat as end of file are data.
class RoundTrippedScore : public ResultsFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(RoundTrippedScore, SurvivesSaveAndLoad) {
    const int score = GetParam();
    Result(5, score, score);
    Result(6, score, 0);
    window.CmFileSave();
    const Bytes bytes = ReadBytes(kFile);
    ASSERT_EQ(bytes.size(), 93u);
    EXPECT_EQ(Bytes(bytes.begin() + 15, bytes.begin() + 21),
              (Bytes{static_cast<std::uint8_t>(score), static_cast<std::uint8_t>(score), 1,
                     static_cast<std::uint8_t>(score), 0, 1}));

    TDrawWindow next{nullptr};
    LoadInto(next);
    EXPECT_EQ(next.Wedstrijd[5].score1, score);
    EXPECT_EQ(next.Wedstrijd[5].score2, score);
    EXPECT_EQ(next.Wedstrijd[5].gespeeld, 1);
    EXPECT_EQ(next.Wedstrijd[6].score1, score);
    EXPECT_EQ(next.Wedstrijd[6].score2, 0);
    EXPECT_EQ(next.Wedstrijd[6].gespeeld, 1);
    EXPECT_EQ(next.Wedstrijd[7].gespeeld, 0);
}

INSTANTIATE_TEST_SUITE_P(Results, RoundTrippedScore, ::testing::Values(10, 13, 26, 0, 255),
                         [](const auto& info) { return "Byte" + std::to_string(info.param); });

// ---------------------------------------------------------------------------
// Loading.

TEST_F(ResultsFileTest, LoadStoresEveryRecordIntoItsMatch) {
    Bytes bytes(93);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 3 == 2 ? 1 : i);
    WriteBytes(kFile, bytes);
    Load();
    for (int m = 0; m < kMatches; ++m) {
        EXPECT_EQ(window.Wedstrijd[m].score1, 3 * m) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].score2, 3 * m + 1) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].gespeeld, 1) << "match " << m;
    }
}

TEST_F(ResultsFileTest, LoadKeepsTheScheduleAndTeams) {
    WriteBytes(kFile, FileWith({{12, 0, 2, 1}, {24, 1, 0, 1}}));
    Load();
    for (int m = 0; m < kMatches; ++m) {
        EXPECT_EQ(window.Wedstrijd[m].datum, schema[m].datum) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].tijd, schema[m].tijd) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].stadion, schema[m].stadion) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].ploeg1, schema[m].ploeg1) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].ploeg2, schema[m].ploeg2) << "match " << m;
    }
}

// A short file loads the whole records it holds; the other matches keep no
// result at all rather than -1.
struct ShortFileCase {
    const char* name;
    std::size_t size;
    int wholeRecords;
};

void PrintTo(const ShortFileCase& c, std::ostream* os) { *os << c.name; }

class ShortFile : public ResultsFileTest, public ::testing::WithParamInterface<ShortFileCase> {};

TEST_P(ShortFile, LoadsWhatItHoldsAndLeavesTheRestWithoutResult) {
    const ShortFileCase& c = GetParam();
    Bytes bytes(c.size);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 3 == 2 ? 1 : 4);
    WriteBytes(kFile, bytes);
    Load(true);
    ASSERT_EQ(host.boxes.size(), 2u);
    EXPECT_NE(host.boxes[1].text.find(" is " + std::to_string(c.size) + " byte"), std::string::npos)
        << host.boxes[1].text;
    for (int m = 0; m < c.wholeRecords; ++m) {
        EXPECT_EQ(window.Wedstrijd[m].score1, 4) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].score2, 4) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].gespeeld, 1) << "match " << m;
    }
    for (int m = c.wholeRecords; m < kMatches; ++m)
        ExpectNoResult(window.Wedstrijd[m], m);
    EXPECT_EQ(window.WedstrijdNummer, c.wholeRecords);

    // The first save keeps the old file aside; a second one does not replace that.
    window.CmFileSave();
    EXPECT_EQ(ReadBytes("korvel.dat~"), bytes);
    EXPECT_EQ(ReadBytes(kFile).size(), 93u);
    window.CmFileSave();
    EXPECT_EQ(ReadBytes("korvel.dat~"), bytes);
}

INSTANTIATE_TEST_SUITE_P(Results, ShortFile,
                         ::testing::Values(ShortFileCase{"Empty", 0, 0},
                                           ShortFileCase{"TenBytes", 10, 3},
                                           ShortFileCase{"ElevenBytes", 11, 3},
                                           ShortFileCase{"NinetyTwoBytes", 92, 30}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsFileTest, LongFileIgnoresBytesAfterTheNinetyThird) {
    Bytes bytes = FileWith({{0, 3, 3, 1}, {29, 2, 0, 1}});
    for (std::uint8_t extra : {9, 9, 1, 9, 9, 1, 7})
        bytes.push_back(extra);
    ASSERT_EQ(bytes.size(), 100u);
    WriteBytes(kFile, bytes);
    Load(true);
    EXPECT_EQ(window.Wedstrijd[0].score1, 3);
    EXPECT_EQ(window.Wedstrijd[0].score2, 3);
    EXPECT_EQ(window.Wedstrijd[0].gespeeld, 1);
    EXPECT_EQ(window.Wedstrijd[29].score1, 2);
    EXPECT_EQ(window.Wedstrijd[29].gespeeld, 1);
    ExpectNoResult(window.Wedstrijd[30], 30);
    EXPECT_EQ(window.WedstrijdNummer, 30);
}

// WedstrijdNummer after loading: one past the highest played match below the
// final; a played final does not move it.
struct NextMatchCase {
    const char* name;
    std::vector<int> played;
    int expected;
};

void PrintTo(const NextMatchCase& c, std::ostream* os) { *os << c.name; }

class NextMatchAfterLoad : public ResultsFileTest,
                           public ::testing::WithParamInterface<NextMatchCase> {};

TEST_P(NextMatchAfterLoad, FollowsTheLastPlayedMatch) {
    Bytes bytes(93, 0);
    for (int m : GetParam().played) {
        bytes[3 * m] = 1;
        bytes[3 * m + 2] = 1;
    }
    WriteBytes(kFile, bytes);
    Load();
    EXPECT_EQ(window.WedstrijdNummer, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Results, NextMatchAfterLoad,
                         ::testing::Values(NextMatchCase{"NothingPlayed", {}, 0},
                                           NextMatchCase{"FirstFivePlayed", {0, 1, 2, 3, 4}, 5},
                                           NextMatchCase{"SemiFinal29Played", {29}, 30},
                                           NextMatchCase{"OnlyFinalPlayed", {30}, 0},
                                           NextMatchCase{"FinalAfterEarlierMatch", {3, 30}, 4},
                                           NextMatchCase{"GapsInBetween", {0, 17, 5}, 18}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ResultsFileTest, PlayedFlagOtherThanOneDoesNotMoveNextMatch) {
    WriteBytes(kFile, FileWith({{2, 1, 0, 1}, {8, 1, 0, 2}, {9, 1, 0, 255}}));
    Load();
    EXPECT_EQ(window.WedstrijdNummer, 3);
}

TEST_F(ResultsFileTest, MissingFileLeavesEverythingAsConstructed) {
    Load();
    EXPECT_EQ(window.WedstrijdNummer, 0);
    for (int m = 0; m < kMatches; ++m)
        ExpectNoResult(window.Wedstrijd[m], m);
    ASSERT_EQ(host.boxes.size(), 1u); // the welcome box only, no error
}

class WelcomeBox : public ResultsFileTest, public ::testing::WithParamInterface<bool> {};

TEST_P(WelcomeBox, ShowsTheWelcomeTextWithOrWithoutAFile) {
    if (GetParam())
        WriteBytes(kFile, FileWith({{0, 1, 0, 1}}));
    Load();
    ASSERT_EQ(host.boxes.size(), 1u);
    const ShownBox& box = host.boxes[0];
    EXPECT_EQ(box.caption, "Korvel");
    EXPECT_EQ(box.style & MB_BUTTONMASK, MB_OK);
    EXPECT_EQ(box.style & MB_ICONMASK, MB_ICONINFORMATION);

    ASSERT_FALSE(box.text.empty());
    EXPECT_EQ(box.text.back(), '\n') << "every line ends with a line break";
    std::vector<std::string> lines;
    std::istringstream in(box.text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 11u) << box.text;
    EXPECT_FALSE(lines[0].empty()) << "the first line names the program";
    const std::vector<std::string> rest = {
        "",
        "This program can be used during or before the",
        "European Championschip Tournament soccer",
        "played in England between june 8 and june 30 1996",
        "",
        "Read the README.TXT file and help for instructions",
        "",
        "Time zone's are in daylight savings (summertime)",
        "Default = Central European (UTC + 2)",
        "Use Configure|Timezone to change",
    };
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()), rest);
}

INSTANTIATE_TEST_SUITE_P(Results, WelcomeBox, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "WithFile" : "WithoutFile"; });

TEST_F(ResultsFileTest, FirstTimeRequestsOneRepaintAndClearsFirstTime) {
    ASSERT_EQ(window.FirstTime, 1);
    Load();
    EXPECT_EQ(window.FirstTime, 0);
    EXPECT_EQ(host.invalidations, 1);
}

// FirstTime stays set and no repaint is asked for while the welcome box is open.
class WelcomeSnapshotHost : public RecordingHost {
  public:
    int MessageBox(std::string_view text, std::string_view caption, unsigned style) override {
        if (window) {
            firstTimeDuringBox = window->FirstTime;
            invalidationsDuringBox = invalidations;
        }
        return RecordingHost::MessageBox(text, caption, style);
    }
    TDrawWindow* window = nullptr;
    int firstTimeDuringBox = -1;
    int invalidationsDuringBox = -1;
};

TEST_F(ResultsFileTest, FirstTimeIsClearedOnlyAfterTheWelcomeBoxCloses) {
    WelcomeSnapshotHost snapshot;
    snapshot.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
    snapshot.window = &window;
    snapshot.Attach(window);
    snapshot.ExpectBox("Korvel", IDOK);
    window.DoFirstTime();
    host.Attach(window);
    EXPECT_TRUE(snapshot.ScriptDone());
    EXPECT_EQ(snapshot.firstTimeDuringBox, 1);
    EXPECT_EQ(snapshot.invalidationsDuringBox, 0);
    EXPECT_EQ(snapshot.invalidations, 1);
    EXPECT_EQ(window.FirstTime, 0);
}

class LoadKeepsMoetSaven : public ResultsFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(LoadKeepsMoetSaven, WhateverItWas) {
    WriteBytes(kFile, FileWith({{0, 2, 1, 1}}));
    window.MoetSaven = GetParam();
    Load();
    EXPECT_EQ(window.MoetSaven, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Results, LoadKeepsMoetSaven, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "Set" : "Clear"; });

// The next paint recomputes the standings; loading itself does not.
TEST_F(ResultsFileTest, LoadLeavesTeamFiguresForTheNextPaint) {
    WriteBytes(kFile, FileWith({{0, 2, 1, 1}}));
    Load();
    EXPECT_EQ(window.Ploeg[0].punten, 0);
    EXPECT_EQ(window.Ploeg[0].gespeeld, 0);
    window.BerekenStand();
    EXPECT_EQ(window.Ploeg[0].punten, 3);
}

// A korvel.dat that exists but cannot be read is said after the welcome box, with
// the system's reason, and nothing of it is loaded; a FIFO must not hang the start.
struct UnreadableCase {
    const char* name;
    void (*arrange)(); // puts the unreadable thing in place of korvel.dat
    const char* reason;
    bool dropPrivileges; // as root, check permissions as an ordinary user
};

void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class UnreadableResultsFile : public ResultsFileTest,
                              public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableResultsFile, IsReportedAfterTheWelcomeAndNothingIsLoaded) {
    const UnreadableCase& c = GetParam();
    c.arrange();
    std::optional<AsOrdinaryUser> user;
    if (c.dropPrivileges) {
        user.emplace(workDir_.Path());
        if (!user->Ok())
            GTEST_SKIP() << "running as root without leave to act as another user";
    }
    host.ExpectBox("Korvel", IDOK);
    host.ExpectBox("Results file not read", IDOK);
    window.DoFirstTime();
    ASSERT_EQ(host.boxes.size(), 2u);
    const ShownBox& box = host.boxes[1];
    EXPECT_EQ(box.style, MB_OK | MB_ICONEXCLAMATION);
    EXPECT_EQ(box.text, std::string("The results file korvel.dat cannot be read:\n") + c.reason +
                            ".\n\nKorvel starts without the results in it. Saving will "
                            "replace the file.");
    EXPECT_EQ(window.WedstrijdNummer, 0);
    for (int m = 0; m < kMatches; ++m)
        ExpectNoResult(window.Wedstrijd[m], m);
    EXPECT_EQ(window.FirstTime, 0);
}

const Bytes kSomeResults = FileWith({{0, 2, 1, 1}, {1, 3, 0, 1}});

INSTANTIATE_TEST_SUITE_P(
    Results, UnreadableResultsFile,
    ::testing::Values(
        UnreadableCase{"Directory", [] { fs::create_directory(kFile); }, "Is a directory", false},
        UnreadableCase{"Fifo", [] { ASSERT_EQ(::mkfifo(kFile, 0600), 0); }, "Not a regular file",
                       false},
        UnreadableCase{"LinkToADevice", [] { fs::create_symlink("/dev/zero", kFile); },
                       "Not a regular file", false},
        UnreadableCase{"NoReadPermission",
                       [] {
                           WriteBytes(kFile, kSomeResults);
                           fs::permissions(kFile, fs::perms::owner_write);
                       },
                       "Permission denied", true},
        // Opens, then fails to read: reading a process's memory at address 0.
        UnreadableCase{"ReadFails", [] { fs::create_symlink("/proc/self/mem", kFile); },
                       "Input/output error", false}),
    [](const auto& info) { return std::string(info.param.name); });

// The next save replaces what stood in the results file's place with the results.
TEST_F(ResultsFileTest, AFifoInPlaceOfTheFileIsReplacedByTheNextSave) {
    ASSERT_EQ(::mkfifo(kFile, 0600), 0);
    host.ExpectBox("Korvel", IDOK);
    host.ExpectBox("Results file not read", IDOK);
    window.DoFirstTime();
    Result(3, 1, 1);
    window.CmFileSave();
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_TRUE(fs::is_regular_file(kFile));
    EXPECT_EQ(ReadBytes(kFile), FileWith({{3, 1, 1, 1}}));
    // A new file, as an ordinary create under the umask makes it.
    const mode_t umask = ::umask(0);
    ::umask(umask);
    EXPECT_EQ(static_cast<mode_t>(fs::status(kFile).permissions()), 0666 & ~umask);
}

// korvel.dat.unsaved, left by a signal or a session that ended with results not
// saved: offered once at the next start, after the welcome box, then removed.
enum class Offer {
    None,       // no question
    Yes,        // asked, and restored
    No,         // asked, and declined
    Closed,     // asked, and the box closed (Escape): kept for the next start
    Unreadable, // named in a box as unreadable, and kept
};

enum class Kind {
    File,
    Fifo,
    Link, // a symbolic link to a whole file of results
};

struct UnsavedCase {
    const char* name;
    Bytes unsaved; // what korvel.dat.unsaved holds
    Kind kind;
    Offer offer;
    const char* question; // the count in the question, when asked
};

void PrintTo(const UnsavedCase& c, std::ostream* os) { *os << c.name; }

class UnsavedResultsAtStart : public ResultsFileTest,
                              public ::testing::WithParamInterface<UnsavedCase> {};

// korvel.dat has match 0 at 2-0; the unsaved results differ from it in two matches.
const Bytes kSavedFile = FileWith({{0, 2, 0, 1}});
const Bytes kUnsavedTwo = FileWith({{0, 2, 0, 1}, {1, 1, 1, 1}, {5, 3, 2, 1}});

TEST_P(UnsavedResultsAtStart, AreOfferedOnceThenRemoved) {
    const UnsavedCase& c = GetParam();
    WriteBytes(kFile, kSavedFile);
    if (c.kind == Kind::File)
        WriteBytes("korvel.dat.unsaved", c.unsaved);
    else if (c.kind == Kind::Fifo)
        ASSERT_EQ(::mkfifo("korvel.dat.unsaved", 0600), 0);
    else {
        WriteBytes("elsewhere", c.unsaved);
        fs::create_symlink("elsewhere", "korvel.dat.unsaved");
    }
    host.ExpectBox("Korvel", IDOK);
    if (c.offer == Offer::Unreadable)
        host.ExpectBox("Unsaved results not read", IDOK);
    else if (c.offer != Offer::None)
        host.ExpectBox("Unsaved results", c.offer == Offer::Yes  ? IDYES
                                          : c.offer == Offer::No ? IDNO
                                                                 : IDCANCEL);
    window.DoFirstTime();

    ASSERT_EQ(host.boxes.size(), c.offer == Offer::None ? 1u : 2u);
    if (c.offer == Offer::Unreadable) {
        EXPECT_TRUE(host.boxes[1].text.starts_with(
            "Results that were not saved were kept in korvel.dat.unsaved, but it cannot be read"))
            << host.boxes[1].text;
    } else if (c.offer != Offer::None) {
        EXPECT_EQ(host.boxes[1].style, MB_YESNO | MB_ICONQUESTION | MB_ESCAPEUNANSWERED);
        const std::string& text = host.boxes[1].text;
        EXPECT_TRUE(text.starts_with("Korvel was closed on ")) << text;
        EXPECT_TRUE(text.ends_with(
            std::string(" with results that had not been saved (kept in korvel.dat.unsaved).\n\n"
                        "Restore ") +
            c.question + " that were not saved?"))
            << text;
    }
    const bool restored = c.offer == Offer::Yes;
    EXPECT_EQ(window.MoetSaven, restored ? 1 : 0) << "restored results are unsaved";
    EXPECT_EQ(window.Wedstrijd[5].score1, restored ? 3 : 0);
    EXPECT_EQ(window.Wedstrijd[5].gespeeld, restored ? 1 : 0);
    EXPECT_EQ(window.Wedstrijd[0].score1, 2);
    EXPECT_EQ(window.WedstrijdNummer, restored ? 6 : 1);
    const bool stays = c.offer == Offer::Closed || c.offer == Offer::Unreadable;
    EXPECT_EQ(fs::exists(fs::symlink_status("korvel.dat.unsaved")), stays);
    if (c.kind == Kind::Link) {
        EXPECT_EQ(ReadBytes("elsewhere"), c.unsaved) << "the link's target is left alone";
    }
    EXPECT_EQ(ReadBytes(kFile), kSavedFile) << "starting writes nothing";

    // Save writes them to korvel.dat.
    window.CmFileSave();
    EXPECT_EQ(ReadBytes(kFile), restored ? kUnsavedTwo : kSavedFile);
}

Bytes OneLonger() {
    Bytes b = kUnsavedTwo;
    b.push_back(1);
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Results, UnsavedResultsAtStart,
    ::testing::Values(
        UnsavedCase{"DifferentRestored", kUnsavedTwo, Kind::File, Offer::Yes, "the 2 results"},
        UnsavedCase{"DifferentDeclined", kUnsavedTwo, Kind::File, Offer::No, "the 2 results"},
        UnsavedCase{"DifferentClosed", kUnsavedTwo, Kind::File, Offer::Closed, "the 2 results"},
        UnsavedCase{"OneDifferent", FileWith({{0, 2, 0, 1}, {1, 1, 1, 1}}), Kind::File, Offer::No,
                    "the 1 result"},
        UnsavedCase{"SameAsSaved", kSavedFile, Kind::File, Offer::None, ""},
        UnsavedCase{"TooShort", Bytes(kUnsavedTwo.begin(), kUnsavedTwo.end() - 1), Kind::File,
                    Offer::None, ""},
        UnsavedCase{"TooLong", OneLonger(), Kind::File, Offer::None, ""},
        UnsavedCase{"Fifo", {}, Kind::Fifo, Offer::Unreadable, ""},
        UnsavedCase{"Link", kUnsavedTwo, Kind::Link, Offer::Unreadable, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// A signal that ends the program while the question is open is no answer: the
// unsaved results stay for the next start.
TEST_F(ResultsFileTest, UnsavedResultsStayWhenTheProgramEndsDuringTheQuestion) {
    class EndingHost : public RecordingHost {
      public:
        int MessageBox(std::string_view text, std::string_view caption, unsigned style) override {
            const int answer = RecordingHost::MessageBox(text, caption, style);
            if (caption == "Unsaved results")
                status = window->EndAtOnce();
            return answer;
        }
        TDrawWindow* window = nullptr;
        int status = -1;
    } ending;
    ending.window = &window;
    ending.Attach(window);
    WriteBytes(kFile, kSavedFile);
    WriteBytes("korvel.dat.unsaved", kUnsavedTwo);
    ending.ExpectBox("Korvel", IDOK);
    ending.ExpectBox("Unsaved results", IDNO);
    window.DoFirstTime();
    host.Attach(window);
    EXPECT_TRUE(ending.ScriptDone());
    EXPECT_EQ(ending.status, 0);
    EXPECT_EQ(ReadBytes("korvel.dat.unsaved"), kUnsavedTwo);
    EXPECT_EQ(ReadBytes(kFile), kSavedFile);
}

} // namespace

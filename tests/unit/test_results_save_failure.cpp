// SPDX-License-Identifier: GPL-3.0-or-later
// A save that the file system itself stands in the way of must keep the previous
// korvel.dat, report the failure and leave the results marked unsaved.

#include "support/fixture.h"
#include "support/work_dir.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kFile = "korvel.dat";
constexpr const char* kTemp = "korvel.dat.tmp";

// What is at a path, so that "left as it was" can be compared for files and for
// the directories some cases put in the way.
std::string Describe(const fs::path& path) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (!fs::exists(st))
        return "absent";
    if (fs::is_directory(st)) {
        std::vector<std::string> entries;
        for (const fs::directory_entry& e : fs::directory_iterator(path))
            entries.push_back(e.path().filename().string() + "=" + Describe(e.path()));
        std::sort(entries.begin(), entries.end());
        std::string out = "dir{";
        for (const std::string& e : entries)
            out += e + ";";
        return out + "}";
    }
    const Bytes bytes = ReadBytes(path);
    return "file:" + std::string(bytes.begin(), bytes.end());
}

// The previous results: every byte distinct from what the new save writes.
Bytes PreviousFile() {
    Bytes bytes(93);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i % 3 == 2 ? 1 : 40 + i);
    return bytes;
}

// Failures of each single file call are the fault matrix of the reliability tests;
// here the file system itself stands in the way, as it can on a user's disk.
struct SaveFault {
    const char* name;
    void (*arrange)(); // puts an obstacle in the file system
    void (*clear)();   // removes the obstacle again
};

const SaveFault kFaults[] = {
    // The temporary name is taken by a non-empty directory that cannot be
    // unlinked, so the temporary file cannot be created.
    {"CreateBlockedByDirectory",
     [] {
         fs::create_directory(kTemp);
         WriteBytes(fs::path(kTemp) / "keep", Bytes{1, 2, 3});
     },
     [] { fs::remove_all(kTemp); }},
    // The results file is a non-empty directory: renaming over it fails.
    {"RenameOntoNonEmptyDirectory",
     [] {
         fs::remove(kFile);
         fs::create_directory(kFile);
         WriteBytes(fs::path(kFile) / "keep", Bytes{4, 5, 6});
     },
     [] { fs::remove_all(kFile); }},
};

void PrintTo(const SaveFault& f, std::ostream* os) { *os << f.name; }

class SaveFailure : public WindowTest, public ::testing::WithParamInterface<SaveFault> {
  protected:
    void SetUp() override {
        WriteBytes(kFile, PreviousFile());
        GetParam().arrange();

        // A result entered since the previous save.
        Result(0, 2, 1);
        window.MoetSaven = 1;
    }
    void FailedSave() {
        host.ExpectBox("Fout bij wegschrijven gegevens", IDOK);
        window.CmFileSave();
    }

    ScopedWorkDir workDir_{"korvel-save"};
};

TEST_P(SaveFailure, ShowsTheErrorBox) {
    FailedSave();
    ASSERT_EQ(host.boxes.size(), 1u);
    // The box's own words, then the file and the system's reason.
    const std::string& text = host.boxes[0].text;
    EXPECT_TRUE(text.starts_with("Wegschrijven mislukt\n\nkorvel.dat: ")) << text;
    EXPECT_GT(text.size(), std::string("Wegschrijven mislukt\n\nkorvel.dat: ").size()) << text;
    EXPECT_EQ(host.boxes[0].caption, "Fout bij wegschrijven gegevens");
    EXPECT_EQ(host.boxes[0].style & MB_BUTTONMASK, MB_OK);
    EXPECT_EQ(host.boxes[0].style & MB_ICONMASK, MB_ICONSTOP);
    EXPECT_TRUE(host.announced.empty()) << "a reader must not hear a failed save as saved";
}

TEST_P(SaveFailure, LeavesThePreviousFileAsItWas) {
    const std::string before = Describe(kFile);
    FailedSave();
    EXPECT_EQ(Describe(kFile), before);
}

TEST_P(SaveFailure, KeepsResultsMarkedUnsaved) {
    FailedSave();
    EXPECT_EQ(window.MoetSaven, 1);
    EXPECT_EQ(window.Wedstrijd[0].score1, 2);
    EXPECT_EQ(window.Wedstrijd[0].gespeeld, 1);
}

TEST_P(SaveFailure, LeavesNoTemporaryFileBehind) {
    const std::string before = Describe(kTemp); // "absent" unless it is the obstacle
    FailedSave();
    EXPECT_EQ(Describe(kTemp), before);
}

TEST_P(SaveFailure, NextSaveSucceedsOnceTheCauseIsGone) {
    FailedSave();
    GetParam().clear();
    window.CmFileSave();
    EXPECT_EQ(host.boxes.size(), 1u) << "no second error box";
    EXPECT_EQ(window.MoetSaven, 0);
    Bytes expected(93, 0);
    expected[0] = 2;
    expected[1] = 1;
    expected[2] = 1;
    EXPECT_EQ(ReadBytes(kFile), expected);
    EXPECT_FALSE(fs::exists(kTemp));
}

INSTANTIATE_TEST_SUITE_P(Results, SaveFailure, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

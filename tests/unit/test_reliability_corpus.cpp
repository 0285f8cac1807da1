// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the fuzzers' seed corpora through the same checks the fuzz targets run,
// so that every input that once found a fault keeps being tried by the unit tests
// under the sanitizers, without running a fuzzer.
#include "checks.h"

#include "data/tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace korvel_checks {
// Names a failing target by its name rather than by its bytes.
void PrintTo(const Target& target, std::ostream* os) { *os << target.name; }
} // namespace korvel_checks

namespace {

namespace fs = std::filesystem;

fs::path CorpusRoot() { return KORVEL_CORPUS_DIR; }

std::vector<std::uint8_t> ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReliabilityCorpus : public ::testing::TestWithParam<korvel_checks::Target> {};

TEST_P(ReliabilityCorpus, EverySeedKeepsItsInvariants) {
    const korvel_checks::Target target = GetParam();
    const fs::path dir = CorpusRoot() / target.name;
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_FALSE(files.empty()) << "no seeds in " << dir;
    for (const fs::path& file : files) {
        const std::vector<std::uint8_t> input = ReadAll(file);
        EXPECT_EQ(target.check(input), "") << file.filename();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, ReliabilityCorpus,
                         ::testing::ValuesIn(korvel_checks::Targets().begin(),
                                             korvel_checks::Targets().end()),
                         [](const auto& info) { return std::string(info.param.name); });

// Every point of a large window against the band table. Far down the empty left
// column, rows 41 to 51 must not open the knock-out matches that those rows hold
// in the right column.
TEST(ReliabilityHitTest, EveryPointOfTheWindowSelectsByTheBandTable) {
    int failures = 0;
    for (int x = -20; x <= 1300 && failures < 5; ++x)
        for (int y = -40; y <= 1000 && failures < 5; ++y)
            if (const std::string failure = korvel_checks::CheckPoint({x, y}); !failure.empty()) {
                ADD_FAILURE() << failure;
                ++failures;
            }
    for (const TPoint far : {TPoint{INT_MAX, INT_MAX}, TPoint{INT_MIN, INT_MIN},
                             TPoint{INT_MIN, 20}, TPoint{INT_MAX, 170}, TPoint{10, INT_MAX}})
        EXPECT_EQ(korvel_checks::CheckPoint(far), "");
}

// Kick-off texts for every scheduled time across offsets well past a day either
// way, and at the ends of the 32-bit range, each cut into the dialog's field.
TEST(ReliabilityKickOff, EveryScheduledTimeAtEveryOffsetReadsBackAndFitsItsField) {
    int failures = 0;
    for (const ScheduleRow& row : schema)
        for (int zone = -3000; zone <= 3000 && failures < 5; zone += 5)
            if (const std::string failure = korvel_checks::CheckKickOff(row.tijd, zone);
                !failure.empty()) {
                ADD_FAILURE() << failure;
                ++failures;
            }
    for (const std::int32_t tijd : {INT_MIN, -1, 0, 1400, 2359, INT_MAX})
        for (const std::int32_t zone : {INT_MIN, INT_MIN + 1, -1441, 1441, INT_MAX})
            EXPECT_EQ(korvel_checks::CheckKickOff(tijd, zone), "");
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture.h"

#include <set>
#include <utility>

namespace {

// Each group plays six matches, every pair once, and its rows never mix groups.
TEST(Schedule, EveryGroupPairMeetsExactlyOnce) {
    std::set<std::pair<int, int>> pairs;
    for (int m = 0; m < kGroupMatches; ++m) {
        const ScheduleRow& row = schema[m];
        ASSERT_EQ(GroupOf(row.ploeg1), GroupOf(row.ploeg2)) << "match " << m;
        ASSERT_NE(row.ploeg1, row.ploeg2);
        EXPECT_TRUE(pairs.insert(std::minmax(row.ploeg1, row.ploeg2)).second) << "match " << m;
    }
    EXPECT_EQ(pairs.size(), 24u);
    for (int m = kGroupMatches; m < kMatches; ++m) {
        EXPECT_EQ(schema[m].ploeg1, kNoTeam);
        EXPECT_EQ(schema[m].ploeg2, kNoTeam);
    }
}

TEST(Schedule, KickOffsAreValidClockTimesInJune) {
    for (const ScheduleRow& row : schema) {
        EXPECT_GE(row.datum, 8);
        EXPECT_LE(row.datum, 30);
        EXPECT_LT(row.tijd % 100, 60);
        EXPECT_LT(row.tijd, 2400);
        EXPECT_GE(row.stadion, 0);
        EXPECT_LT(row.stadion, kStadiums);
    }
}

TEST(Tables, UnknownTeamHasTheEmptyName) { EXPECT_EQ(landnaam[kNoTeam], ""); }

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Group tables and group order computed by BerekenStand from the entered results.

#include "support/fixture.h"

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>

namespace {

struct Score {
    int match;
    int score1;
    int score2;
};

// gespeeld, gewonnen, gelijk, verloren, punten, voor, tegen
using Figures = std::array<int, 7>;

Figures FiguresOf(const Team& t) {
    return {t.gespeeld, t.gewonnen, t.gelijk, t.verloren, t.punten, t.voor, t.tegen};
}

constexpr Figures kNoFigures{};

class StandingsTest : public WindowTest {
  protected:
    void Play(std::initializer_list<Score> scores) {
        for (const Score& s : scores)
            Result(s.match, s.score1, s.score2);
    }

    void ExpectAllTeamsEmpty() {
        for (int t = 0; t < kTeams; ++t)
            EXPECT_EQ(FiguresOf(window.Ploeg[t]), kNoFigures) << landnaam[t];
    }

    void ExpectGroupsInTeamIndexOrder() {
        EXPECT_EQ(window.PoelA, (TPoel{0, 1, 2, 3}));
        EXPECT_EQ(window.PoelB, (TPoel{4, 5, 6, 7}));
        EXPECT_EQ(window.PoelC, (TPoel{8, 9, 10, 11}));
        EXPECT_EQ(window.PoelD, (TPoel{12, 13, 14, 15}));
    }
};

TEST_F(StandingsTest, EmptyTournamentKeepsTeamIndexOrder) {
    window.BerekenStand();
    ExpectAllTeamsEmpty();
    ExpectGroupsInTeamIndexOrder();
}

// ---------------------------------------------------------------------------
// The figures one group match gives its two teams.

struct SingleResultCase {
    const char* name;
    Score score;
    int team1;
    Figures figures1;
    int team2;
    Figures figures2;
};

void PrintTo(const SingleResultCase& c, std::ostream* os) { *os << c.name; }

class SingleResultFigures : public StandingsTest,
                            public ::testing::WithParamInterface<SingleResultCase> {};

TEST_P(SingleResultFigures, GiveBothTeamsTheirShare) {
    const SingleResultCase& c = GetParam();
    Play({c.score});
    window.BerekenStand();
    EXPECT_EQ(FiguresOf(window.Ploeg[c.team1]), c.figures1) << landnaam[c.team1];
    EXPECT_EQ(FiguresOf(window.Ploeg[c.team2]), c.figures2) << landnaam[c.team2];
    for (int t = 0; t < kTeams; ++t) {
        if (t != c.team1 && t != c.team2) {
            EXPECT_EQ(FiguresOf(window.Ploeg[t]), kNoFigures) << landnaam[t];
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Engine, SingleResultFigures,
    ::testing::Values(
        // England 2-1 Switzerland.
        SingleResultCase{"HomeWin", {0, 2, 1}, 0, {1, 1, 0, 0, 3, 2, 1}, 1, {1, 0, 0, 1, 0, 1, 2}},
        // Romenia 0-3 France: the second-named team takes the win.
        SingleResultCase{"AwayWin", {5, 0, 3}, 6, {1, 0, 0, 1, 0, 0, 3}, 7, {1, 1, 0, 0, 3, 3, 0}},
        SingleResultCase{
            "GoallessDraw", {3, 0, 0}, 12, {1, 0, 1, 0, 1, 0, 0}, 13, {1, 0, 1, 0, 1, 0, 0}},
        SingleResultCase{
            "ScoringDraw", {23, 2, 2}, 10, {1, 0, 1, 0, 1, 2, 2}, 8, {1, 0, 1, 0, 1, 2, 2}},
        // Scotland 0-2 England: a group match late in the schedule counts the same.
        SingleResultCase{
            "LateMatch", {12, 0, 2}, 3, {1, 0, 0, 1, 0, 0, 2}, 0, {1, 1, 0, 0, 3, 2, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StandingsTest, OneWinPutsWinnerFirstAndLoserLast) {
    Play({{0, 2, 1}}); // England 2-1 Switzerland
    window.BerekenStand();
    // Netherlands and Scotland (0 points, goal difference 0) come before
    // Switzerland (goal difference -1); the other groups are untouched.
    EXPECT_EQ(window.PoelA, (TPoel{0, 2, 3, 1}));
    EXPECT_EQ(window.PoelB, (TPoel{4, 5, 6, 7}));
    EXPECT_EQ(window.PoelC, (TPoel{8, 9, 10, 11}));
    EXPECT_EQ(window.PoelD, (TPoel{12, 13, 14, 15}));
}

TEST_F(StandingsTest, FiguresAddUpOverAllGroupMatches) {
    // England: 1-1 against Switzerland, 3-0 over Scotland (away), 0-2 against
    // the Netherlands (away).
    Play({{0, 1, 1}, {12, 0, 3}, {19, 2, 0}});
    window.BerekenStand();
    EXPECT_EQ(FiguresOf(window.Ploeg[0]), (Figures{3, 1, 1, 1, 4, 4, 3}));
    EXPECT_EQ(FiguresOf(window.Ploeg[1]), (Figures{1, 0, 1, 0, 1, 1, 1}));
    EXPECT_EQ(FiguresOf(window.Ploeg[2]), (Figures{1, 1, 0, 0, 3, 2, 0}));
    EXPECT_EQ(FiguresOf(window.Ploeg[3]), (Figures{1, 0, 0, 1, 0, 0, 3}));
}

// Every paint recomputes: figures must not pile up over calls, and a result
// that is taken back must disappear from the table and the order.
TEST_F(StandingsTest, EveryCallStartsFromScratch) {
    Play({{0, 0, 3}}); // Switzerland wins
    window.BerekenStand();
    window.BerekenStand();
    EXPECT_EQ(FiguresOf(window.Ploeg[1]), (Figures{1, 1, 0, 0, 3, 3, 0}));
    EXPECT_EQ(window.PoelA, (TPoel{1, 2, 3, 0}));

    window.Wedstrijd[0].gespeeld = 0;
    window.BerekenStand();
    ExpectAllTeamsEmpty();
    ExpectGroupsInTeamIndexOrder();
}

// ---------------------------------------------------------------------------
// Only a played flag of exactly 1 counts.

class UnplayedFlag : public StandingsTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnplayedFlag, MatchContributesNothing) {
    window.Wedstrijd[0].score1 = 3; // England 3-0 Switzerland, not counted
    window.Wedstrijd[0].score2 = 0;
    window.Wedstrijd[0].gespeeld = GetParam();
    window.Wedstrijd[14].score1 = 0; // Russia 0-2 Germany, not counted
    window.Wedstrijd[14].score2 = 2;
    window.Wedstrijd[14].gespeeld = GetParam();
    window.BerekenStand();
    ExpectAllTeamsEmpty();
    ExpectGroupsInTeamIndexOrder();
}

INSTANTIATE_TEST_SUITE_P(Engine, UnplayedFlag, ::testing::Values(0, -1, 2), [](const auto& info) {
    return info.param < 0 ? "Minus" + std::to_string(-info.param)
                          : "Flag" + std::to_string(info.param);
});

TEST_F(StandingsTest, KnockOutResultsNeverCountInTeamFigures) {
    for (int m = kGroupMatches; m < kMatches; ++m)
        Result(m, 4, 1);
    window.BerekenStand();
    ExpectAllTeamsEmpty();
    ExpectGroupsInTeamIndexOrder();
}

// Keys equal, equal, larger, lowest in team-index order: the selection sort
// brings the third team to the front by swapping it with the first, so the
// first two change places (t2, t1, t0, t3) where a stable sort would keep them.
// Romenia, Bulgaria and Spain all beat France; Romenia by more.
TEST_F(StandingsTest, EqualKeysFollowTheSelectionSortNotAStableOrder) {
    Play({{13, 0, 1}, {16, 0, 1}, {5, 2, 0}});
    window.BerekenStand();
    // All three winners are on 3 points, none of their mutual matches is
    // played, so the three-team tie-break leaves the group sort as it is.
    EXPECT_EQ(window.PoelB, (TPoel{6, 5, 4, 7}));
}

// Points only lead while goal differences stay within -49..49: Switzerland's
// 3 points with 1-400 in goals sort below Netherlands' 0 points with 0-1.
TEST_F(StandingsTest, HugeGoalDifferenceCanOutweighPoints) {
    Play({{0, 400, 0}, {9, 1, 0}}); // England 400-0 Switzerland, Switzerland 1-0 Netherlands
    window.BerekenStand();
    EXPECT_EQ(window.PoelA, (TPoel{0, 3, 2, 1}));
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Teams level on points ordered by their mutual matches, and the reports of the
// matches that decided it.

#include "engine/standings.h"
#include "support/fixture.h"

#include <ostream>
#include <string>
#include <vector>

namespace {

class TieBreakTest : public WindowTest {
  protected:
    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const ShownBox& box : host.boxes)
            texts.push_back(box.text);
        return texts;
    }
};

constexpr const char* kReportCaption = "TieBreaker wedstrijd";

struct Score {
    int match;
    int score1;
    int score2;
};

struct TieCase {
    const char* name;
    std::vector<Score> scores;
    TPoel TDrawWindow::*group;
    TPoel order;                      // the group after BerekenStand
    std::vector<std::string> reports; // with the reports switched on, in order
};

// Group A: 0 England, 1 Switzerland, 2 Netherlands, 3 Scotland; matches 0 E-S,
// 4 N-Sc, 9 S-N, 12 Sc-E, 18 Sc-S, 19 N-E.
// Group B: 4 Spain, 5 Bulgaria, 6 Romenia, 7 France; matches 1 Sp-Bu, 5 Ro-Fr,
// 8 Bu-Ro, 13 Fr-Sp, 16 Fr-Bu, 17 Ro-Sp.
// Group C: 8 Germany, 9 Czech Rep., 10 Italy, 11 Russia; matches 2 G-C, 6 I-R,
// 11 C-I, 14 R-G, 22 R-C, 23 I-G.
// Group D: 12 Danmark, 13 Portugal, 14 Turkey, 15 Croatia; matches 3 D-P,
// 7 T-C, 10 P-T, 15 C-D, 20 C-P, 21 T-D.
const std::vector<TieCase> kTieCases = {
    // England 4 points with 5-1, Switzerland 4 points with 1-0: Switzerland
    // won the mutual match and goes first despite the worse goal difference.
    {"MutualWinnerBeatsBetterGoalDifference",
     {{19, 0, 5}, {0, 0, 1}, {18, 0, 0}, {12, 0, 0}},
     &TDrawWindow::PoelA,
     {1, 0, 3, 2},
     {"England - Switzerland 0-1"}},
    // England and Switzerland drew each other: the group sort (goal
    // difference) stands; Scotland and Netherlands, level on 0, never met.
    {"DrawnMutualMatchKeepsGroupSortOrder",
     {{0, 1, 1}, {19, 0, 2}, {18, 0, 1}},
     &TDrawWindow::PoelA,
     {0, 1, 3, 2},
     {}},
    {"UnplayedMutualMatchKeepsGroupSortOrder",
     {{9, 3, 0}, {12, 0, 1}},
     &TDrawWindow::PoelA,
     {1, 0, 3, 2},
     {}},
    // Netherlands, England, Switzerland each beat one of the others 1-0 and
    // all beat Scotland by different margins: mutual keys are all equal, so the
    // group sort order (Netherlands, England, Switzerland) stands.
    {"EvenThreeTeamCycleKeepsGroupSortOrder",
     {{19, 1, 0}, {0, 1, 0}, {9, 1, 0}, {4, 3, 0}, {12, 0, 2}, {18, 0, 1}},
     &TDrawWindow::PoelA,
     {2, 0, 1, 3},
     {"Netherlands - England 1-0", "England - Switzerland 1-0", "Switzerland - Netherlands 1-0"}},
    // Switzerland 2-0 Netherlands, Netherlands 1-0 England, England 1-0
    // Switzerland; the group sort gives Switzerland, Netherlands, England and
    // the mutual keys 30102, 29901, 30001 turn that into first, third, second.
    {"UnevenThreeTeamCycle",
     {{9, 2, 0}, {19, 1, 0}, {0, 1, 0}, {18, 0, 3}, {4, 4, 0}, {12, 0, 1}},
     &TDrawWindow::PoelA,
     {1, 0, 2, 3},
     {"Switzerland - Netherlands 2-0", "Netherlands - England 1-0", "England - Switzerland 1-0"}},
    // Scotland, England, Netherlands on 5 points in that group-sort order, all
    // mutual matches drawn: mutual keys equal, equal, larger. The selection
    // sort swaps the first and the third, so England stays in the middle.
    {"MutualKeysEqualEqualLarger",
     {{12, 0, 0}, {4, 1, 1}, {19, 1, 1}, {18, 3, 0}, {0, 2, 0}, {9, 0, 1}},
     &TDrawWindow::PoelA,
     {2, 0, 3, 1},
     {}},
    // Points 4, 4, 4, 3: Russia, Italy, Germany in a cycle, all drawing with
    // Czech Rep. One three-team tie-break; a later pair step would have swapped
    // Russia and Italy (Italy won their match) and reported it again.
    {"FourFourFourThreeBreaksOnlyTheThree",
     {{14, 2, 0}, {23, 0, 1}, {6, 1, 0}, {2, 0, 0}, {11, 0, 0}, {22, 0, 0}},
     &TDrawWindow::PoelC,
     {11, 10, 8, 9},
     {"Russia - Germany 2-0", "Italy - Russia 1-0", "Italy - Germany 0-1"}},
    // Points 6, 6, 3, 3: both pairs are decided by their mutual match, each
    // against the group sort (Danmark, Turkey, Croatia, Portugal).
    {"SixSixThreeThreeBreaksBothPairs",
     {{21, 1, 0}, {10, 0, 1}, {7, 0, 5}, {3, 3, 0}, {15, 0, 3}, {20, 0, 1}},
     &TDrawWindow::PoelD,
     {14, 12, 13, 15},
     {"Turkey - Danmark 1-0", "Croatia - Portugal 0-1"}},
    // Everyone on 3 points from three draws: a four-team tie-break over
    // drawn matches only, which are never reported.
    {"FourTeamsAllDrawn",
     {{1, 0, 0}, {5, 2, 2}, {8, 1, 1}, {13, 0, 0}, {16, 1, 1}, {17, 0, 0}},
     &TDrawWindow::PoelB,
     {6, 7, 5, 4},
     {}},
    // Everyone on 4 points with 1-1 in goals: every decided match of the group
    // is reported, by tied team in incoming order, then by match index.
    {"FourTeamTieReportsEveryDecidedMatch",
     {{1, 1, 0}, {8, 1, 0}, {5, 1, 0}, {13, 1, 0}, {16, 0, 0}, {17, 0, 0}},
     &TDrawWindow::PoelB,
     {4, 5, 6, 7},
     {"Spain - Bulgaria 1-0", "Bulgaria - Romenia 1-0", "Romenia - France 1-0",
      "France - Spain 1-0"}},
    // Everyone on 4 points, incoming order England, Scotland, Netherlands,
    // Switzerland. Netherlands' two home wins and losses come by match index
    // (4 against Scotland before 19 against England), not by the position of
    // the opponent in the tie.
    {"ReportsOfOneTeamComeByMatchIndex",
     {{9, 0, 0}, {12, 1, 1}, {4, 1, 0}, {19, 0, 1}, {0, 0, 1}, {18, 1, 0}},
     &TDrawWindow::PoelA,
     {0, 3, 2, 1},
     {"England - Switzerland 0-1", "Scotland - Switzerland 1-0", "Netherlands - Scotland 1-0",
      "Netherlands - England 0-1"}},
};

void PrintTo(const TieCase& c, std::ostream* os) { *os << c.name; }

class TieCases : public TieBreakTest, public ::testing::WithParamInterface<TieCase> {
  protected:
    void PlayCase() {
        for (const Score& s : GetParam().scores)
            Result(s.match, s.score1, s.score2);
    }
    const TPoel& Group() const { return window.*(GetParam().group); }
};

TEST_P(TieCases, OrderTiedTeams) {
    PlayCase();
    window.BerekenStand();
    EXPECT_EQ(Group(), GetParam().order);
}

TEST_P(TieCases, StaySilentWithReportsOff) {
    PlayCase();
    window.BerekenStand();
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_P(TieCases, ReportEachDecidedMutualMatchOnceInLoopOrder) {
    PlayCase();
    window.CmToggleTieBreaker();
    for (std::size_t i = 0; i < GetParam().reports.size(); ++i)
        host.ExpectBox(kReportCaption, IDOK);
    window.BerekenStand();
    EXPECT_EQ(BoxTexts(), GetParam().reports);
}

TEST_P(TieCases, PrecedeEachReportByABeep) {
    PlayCase();
    window.CmToggleTieBreaker();
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < GetParam().reports.size(); ++i) {
        host.ExpectBox(kReportCaption, IDOK);
        expected.push_back("beep");
        expected.push_back(std::string("box:") + kReportCaption);
    }
    window.BerekenStand();
    EXPECT_EQ(host.events, expected);
}

// The engine alone, without a toolkit, finds the same decisions the boxes report.
TEST_P(TieCases, TheEngineRecordsTheDecisionsTheBoxesReport) {
    PlayCase();
    Tournament tournament = window.State();
    TieBreakerDecisions decisions;
    ComputeStandings(tournament, &decisions);
    std::vector<std::string> recorded;
    for (int i = 0; i < decisions.count; ++i) {
        const Game& g = decisions.matches[i];
        recorded.push_back(std::string(landnaam[g.ploeg1]) + " - " +
                           std::string(landnaam[g.ploeg2]) + " " + std::to_string(g.score1) + "-" +
                           std::to_string(g.score2));
    }
    EXPECT_EQ(recorded, GetParam().reports);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_P(TieCases, ReportsDoNotChangeTheOrder) {
    PlayCase();
    window.CmToggleTieBreaker();
    for (std::size_t i = 0; i < GetParam().reports.size(); ++i)
        host.ExpectBox(kReportCaption, IDOK);
    window.BerekenStand();
    EXPECT_EQ(Group(), GetParam().order);
}

INSTANTIATE_TEST_SUITE_P(Engine, TieCases, ::testing::ValuesIn(kTieCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------

TEST_F(TieBreakTest, ReportNamesBothTeamsAndScoreInAnInformationBox) {
    Result(12, 0, 2); // Scotland 0-2 England
    Result(18, 1, 0); // Scotland 1-0 Switzerland: Scotland and England both on 3
    window.ShowTieBreaker = 1;
    host.ExpectBox(kReportCaption, IDOK);
    window.BerekenStand();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Scotland - England 0-2");
    EXPECT_EQ(host.boxes[0].caption, kReportCaption);
    EXPECT_EQ(host.boxes[0].style & MB_BUTTONMASK, MB_OK);
    EXPECT_EQ(host.boxes[0].style & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_EQ(host.beeps, 1);
}

TEST_F(TieBreakTest, EmptyTournamentReportsNothing) {
    window.ShowTieBreaker = 1;
    window.BerekenStand();
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(host.beeps, 0);
}

// Matches not flagged exactly 1 are left out of the mutual league too:
// England's 1-0 over Switzerland would otherwise put England first.
class TieBreakUnplayedFlag : public TieBreakTest, public ::testing::WithParamInterface<int> {};

TEST_P(TieBreakUnplayedFlag, MutualMatchIsIgnored) {
    Result(19, 0, 1); // Netherlands 0-1 England
    Result(18, 0, 2); // Scotland 0-2 Switzerland: Switzerland ahead on goals
    window.Wedstrijd[0].score1 = 1;
    window.Wedstrijd[0].score2 = 0;
    window.Wedstrijd[0].gespeeld = GetParam();
    window.ShowTieBreaker = 1;
    window.BerekenStand();
    EXPECT_EQ(window.PoelA, (TPoel{1, 0, 2, 3}));
    EXPECT_TRUE(host.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Engine, TieBreakUnplayedFlag, ::testing::Values(0, -1, 2),
                         [](const auto& info) {
                             return info.param < 0 ? "Minus" + std::to_string(-info.param)
                                                   : "Flag" + std::to_string(info.param);
                         });

// ---------------------------------------------------------------------------
// The switch.

class ToggleTieBreaker : public TieBreakTest, public ::testing::WithParamInterface<int> {};

TEST_P(ToggleTieBreaker, TwiceRestoresTheSetting) {
    window.ShowTieBreaker = GetParam();
    window.CmToggleTieBreaker();
    EXPECT_EQ(window.ShowTieBreaker, 1 - GetParam());
    window.CmToggleTieBreaker();
    EXPECT_EQ(window.ShowTieBreaker, GetParam());
}

TEST_P(ToggleTieBreaker, DoesNotRepaint) {
    window.ShowTieBreaker = GetParam();
    window.CmToggleTieBreaker();
    EXPECT_EQ(host.invalidations, 0);
}

TEST_P(ToggleTieBreaker, CheckMarkFollowsTheSetting) {
    window.ShowTieBreaker = GetParam();
    TCommandEnabler ce(0);
    ce.SetCheck(GetParam() ? TCommandEnabler::Unchecked : TCommandEnabler::Checked);
    window.CeToggleTieBreaker(ce);
    EXPECT_EQ(ce.GetCheck(), GetParam() ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);

    window.CmToggleTieBreaker();
    window.CeToggleTieBreaker(ce);
    EXPECT_EQ(ce.GetCheck(), GetParam() ? TCommandEnabler::Unchecked : TCommandEnabler::Checked);
}

INSTANTIATE_TEST_SUITE_P(Engine, ToggleTieBreaker, ::testing::Values(0, 1), [](const auto& info) {
    return info.param ? "StartingOn" : "StartingOff";
});

TEST_F(TieBreakTest, ReportsStartSwitchedOff) { EXPECT_EQ(window.ShowTieBreaker, 0); }

} // namespace

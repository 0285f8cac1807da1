// SPDX-License-Identifier: GPL-3.0-or-later
#include "chances/certainty.h"
#include "chances/goal_model.h"
#include "chances/simulation.h"
#include "chances/table.h"
#include "engine/knockout.h"
#include "engine/standings.h"
#include "support/fixture.h"
#include "support/tournaments.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <vector>

namespace {

struct Result {
    int match, score1, score2;
};

Games Entered(const std::vector<Result>& results) {
    Games games = ScheduledGames();
    for (const Result& r : results) {
        games[r.match].score1 = r.score1;
        games[r.match].score2 = r.score2;
        games[r.match].gespeeld = 1;
    }
    return games;
}

Games Played1996(bool knockOut) {
    TDrawWindow window(nullptr);
    FullTournament(window);
    Games games = window.Wedstrijd;
    if (!knockOut)
        for (int m = kGroupMatches; m < kMatches; ++m)
            games[m] = ScheduledGames()[m];
    return games;
}

constexpr int kEngland = 0, kSwitzerland = 1, kNetherlands = 2, kScotland = 3, kGermany = 8;

TEST(Chances, EveryMatchPlayedGivesTheEngineOutcomeForSure) {
    Tournament played;
    played.Wedstrijd = Played1996(true);
    const ChancesCounts counts = *SimulateChances(played.Wedstrijd, {.runs = 50, .seed = 1});
    const Certainties sure = DecideCertainties(played.Wedstrijd);
    ComputeStandings(played, nullptr);
    const auto groups = played.Groups();
    for (int team = 0; team < kTeams; ++team) {
        std::array<bool, kStages> reached{};
        reached[kGroupWinner] = groups[GroupOf(team)][0] == team;
        reached[kGroupRunnerUp] = groups[GroupOf(team)][1] == team;
        auto in = [&](int first, int last) {
            for (int m = first; m <= last; ++m)
                if (played.Wedstrijd[m].ploeg1 == team || played.Wedstrijd[m].ploeg2 == team)
                    return true;
            return false;
        };
        reached[kQuarterFinal] = in(24, 27);
        reached[kSemiFinal] = in(28, 29);
        reached[kFinalist] = in(30, 30);
        reached[kChampion] = KnockOutWinner(played.Wedstrijd[kFinal]) == team;
        for (int s = 0; s < kStages; ++s) {
            EXPECT_EQ(counts.reached[team][s], reached[s] ? 50u : 0u) << team << " " << s;
            EXPECT_EQ(sure[team][s], reached[s] ? Certainty::Sure : Certainty::Never)
                << team << " " << s;
        }
    }
    EXPECT_EQ(TeamMark(sure[kGermany]), "champion");
    EXPECT_EQ(TeamMark(sure[kEngland]), "out");
}

TEST(Chances, SameSeedSameCountsWhateverTheThreads) {
    const Games entered = Entered({{0, 1, 1}, {4, 0, 2}});
    const SimulationSettings one{.runs = 3 * kRunsPerBlock + 17, .seed = 42, .threads = 1};
    SimulationSettings two = one;
    two.threads = 2;
    const ChancesCounts a = *SimulateChances(entered, one);
    const ChancesCounts b = *SimulateChances(entered, two);
    EXPECT_EQ(a.runs, one.runs);
    EXPECT_EQ(a.reached, b.reached);
    SimulationSettings other = one;
    other.seed = 43;
    EXPECT_NE(SimulateChances(entered, other)->reached, a.reached);
}

TEST(Chances, CancelledRunGivesNothing) {
    const std::atomic<bool> cancel{true};
    EXPECT_FALSE(SimulateChances(ScheduledGames(), {.runs = 100000}, &cancel));
}

// Group A's last round (Scotland - Switzerland, Netherlands - England) left: the chance
// of each team to win the group, summed exactly over every score the model allows.
TEST(Chances, OneRoundLeftAgreesWithExactEnumeration) {
    Games entered = Played1996(false);
    entered[18].gespeeld = 0;
    entered[19].gespeeld = 0;
    auto chance = [](int team, int opponent, int goals) {
        const double mean = MeanGoals(team, opponent);
        if (goals == kMostGoals) {
            double below = 0;
            for (int k = 0; k < kMostGoals; ++k)
                below += std::exp(-mean) * std::pow(mean, k) / std::tgamma(k + 1);
            return 1 - below;
        }
        return std::exp(-mean) * std::pow(mean, goals) / std::tgamma(goals + 1);
    };
    std::array<double, 4> exact{};
    for (int a = 0; a <= kMostGoals; ++a)
        for (int b = 0; b <= kMostGoals; ++b)
            for (int c = 0; c <= kMostGoals; ++c)
                for (int d = 0; d <= kMostGoals; ++d) {
                    const double p =
                        chance(kScotland, kSwitzerland, a) * chance(kSwitzerland, kScotland, b) *
                        chance(kNetherlands, kEngland, c) * chance(kEngland, kNetherlands, d);
                    if (p < 1e-12)
                        continue;
                    Games g = entered;
                    g[18].score1 = a, g[18].score2 = b, g[18].gespeeld = 1;
                    g[19].score1 = c, g[19].score2 = d, g[19].gespeeld = 1;
                    TPoel group{0, 1, 2, 3};
                    SortGroup(TeamFigures(g), g, group, nullptr);
                    exact[group[0]] += p;
                }
    constexpr std::uint64_t kRuns = 100000;
    const ChancesCounts counts = *SimulateChances(entered, {.runs = kRuns, .seed = 5});
    for (int team = 0; team < 4; ++team) {
        const double sampled = static_cast<double>(counts.reached[team][kGroupWinner]) / kRuns;
        const double margin = 4 * std::sqrt(exact[team] * (1 - exact[team]) / kRuns) + 1e-9;
        EXPECT_NEAR(sampled, exact[team], margin) << "team " << team;
    }
}

struct CertaintyCase {
    const char* name;
    std::vector<Result> results;
    int team;
    Stage stage;
    Certainty expected;
};

class ChancesCertainty : public ::testing::TestWithParam<CertaintyCase> {};

TEST_P(ChancesCertainty, IsDecidedFromTheRules) {
    const CertaintyCase& c = GetParam();
    EXPECT_EQ(DecideCertainties(Entered(c.results))[c.team][c.stage], c.expected);
}

// Group A's matches: 0 England-Switzerland, 4 Netherlands-Scotland, 9 Switzerland-
// Netherlands, 12 Scotland-England, 18 Scotland-Switzerland, 19 Netherlands-England.
// England has won its three: nine points, and nobody else can pass six.
const std::vector<Result> kEnglandWonItsThree{{0, 1, 0}, {12, 0, 1}, {19, 0, 1}};

INSTANTIATE_TEST_SUITE_P(
    Cases, ChancesCertainty,
    ::testing::Values(
        CertaintyCase{"nothing played", {}, kEngland, kGroupWinner, Certainty::Open},
        CertaintyCase{"three wins top the group on points alone", kEnglandWonItsThree, kEngland,
                      kGroupWinner, Certainty::Sure},
        CertaintyCase{"and reach the quarter-finals", kEnglandWonItsThree, kEngland, kQuarterFinal,
                      Certainty::Sure},
        // Switzerland lost twice and can reach three points; England and the
        // Netherlands have six already.
        CertaintyCase{"two ahead on points put a team out",
                      {{0, 1, 0}, {9, 0, 2}, {4, 1, 0}, {12, 0, 1}},
                      kSwitzerland,
                      kQuarterFinal,
                      Certainty::Never},
        // England and the Netherlands both on six with their match left: a draw leaves
        // them level, and goals decide.
        CertaintyCase{"level on points with goals to decide is open",
                      {{0, 1, 0}, {12, 0, 1}, {9, 0, 2}, {4, 1, 0}, {18, 0, 0}},
                      kEngland,
                      kGroupWinner,
                      Certainty::Open},
        // A score that takes goal difference beyond what points outweigh: nothing sure.
        CertaintyCase{"a result beyond the bound leaves the group open",
                      {{0, 60, 0}, {12, 0, 1}, {19, 0, 1}},
                      kEngland,
                      kGroupWinner,
                      Certainty::Open},
        CertaintyCase{"a group's last match still to come keeps the knock-out open",
                      kEnglandWonItsThree, kEngland, kSemiFinal, Certainty::Open}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(ChancesCertainty, KnockOutSidesFollowTheirWinners) {
    Games games = Played1996(false);
    // Germany - Croatia (match 26) 2-1 with the groups complete: Germany is in the
    // semi-finals for sure, Croatia out.
    games[26].score1 = 2, games[26].score2 = 1, games[26].gespeeld = 1;
    const Certainties sure = DecideCertainties(games);
    EXPECT_EQ(sure[kGermany][kSemiFinal], Certainty::Sure);
    EXPECT_EQ(sure[15][kSemiFinal], Certainty::Never);
    EXPECT_EQ(TeamMark(sure[15]), "out");
    EXPECT_EQ(sure[kGermany][kFinalist], Certainty::Open);
    EXPECT_EQ(TeamMark(sure[kEngland]), "through");
}

TEST(Chances, TextNeverSaysSureUnlessItIs) {
    struct Row {
        std::uint64_t count, runs;
        Certainty certainty;
        const char* text;
    };
    for (const Row& row :
         {Row{0, 1000, Certainty::Open, "<0.1%"}, Row{1000, 1000, Certainty::Open, ">99.9%"},
          Row{9995, 10000, Certainty::Open, ">99.9%"}, Row{9994, 10000, Certainty::Open, "99.9%"},
          Row{374, 1000, Certainty::Open, "37.4%"}, Row{4, 10000, Certainty::Open, "<0.1%"},
          Row{1000, 1000, Certainty::Sure, "100%"}, Row{0, 1000, Certainty::Never, "0%"}})
        EXPECT_EQ(ChanceText(row.count, row.runs, row.certainty), row.text)
            << row.count << "/" << row.runs;
}

} // namespace

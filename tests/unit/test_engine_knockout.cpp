// SPDX-License-Identifier: GPL-3.0-or-later
// Quarter-finals, semi-finals and the final filled by BerekenStand.

#include "support/fixture.h"

#include <ostream>
#include <string>

namespace {

constexpr int England = 0, Switzerland = 1, Netherlands = 2, Spain = 4, Bulgaria = 5, Romenia = 6,
              Germany = 8, CzechRep = 9, Italy = 10, Danmark = 12, Portugal = 13, Turkey = 14;

struct Pairing {
    int match;
    int ploeg1;
    int ploeg2;
};

class KnockOutTest : public WindowTest {
  protected:
    void ExpectPairing(const Pairing& p) {
        EXPECT_EQ(window.Wedstrijd[p.match].ploeg1, p.ploeg1)
            << "match " << p.match << ": " << landnaam[window.Wedstrijd[p.match].ploeg1];
        EXPECT_EQ(window.Wedstrijd[p.match].ploeg2, p.ploeg2)
            << "match " << p.match << ": " << landnaam[window.Wedstrijd[p.match].ploeg2];
    }
};

// With no results every knock-out match is 0-0, which sends the second team on.
TEST_F(KnockOutTest, EmptyTournamentFillsAllSevenPairings) {
    window.BerekenStand();
    for (const Pairing& p : {Pairing{24, Bulgaria, England}, Pairing{25, Spain, Switzerland},
                             Pairing{26, Germany, Portugal}, Pairing{27, CzechRep, Danmark},
                             Pairing{28, Switzerland, Danmark}, Pairing{29, England, Portugal},
                             Pairing{30, Portugal, Danmark}})
        ExpectPairing(p);
}

TEST_F(KnockOutTest, QuarterFinalsFollowProvisionalGroupOrder) {
    Result(0, 2, 1); // England 2-1 Switzerland: group A is now England, Netherlands, ...
    window.BerekenStand();
    ExpectPairing({24, Bulgaria, England});
    ExpectPairing({25, Spain, Netherlands});
}

// ---------------------------------------------------------------------------
// Which team a knock-out score sends on, and into which slot.

struct AdvanceCase {
    const char* name;
    int match;
    int score1;
    int score2;
    int gespeeld;
    int nextMatch;
    bool firstSlot; // the winner lands in ploeg1 of nextMatch, else ploeg2
    int expected;
};

void PrintTo(const AdvanceCase& c, std::ostream* os) { *os << c.name; }

class KnockOutAdvance : public KnockOutTest, public ::testing::WithParamInterface<AdvanceCase> {};

TEST_P(KnockOutAdvance, WinnerTakesItsSlot) {
    const AdvanceCase& c = GetParam();
    window.Wedstrijd[c.match].score1 = c.score1;
    window.Wedstrijd[c.match].score2 = c.score2;
    window.Wedstrijd[c.match].gespeeld = c.gespeeld;
    window.BerekenStand();
    const Game& next = window.Wedstrijd[c.nextMatch];
    const int got = c.firstSlot ? next.ploeg1 : next.ploeg2;
    EXPECT_EQ(got, c.expected) << landnaam[got];
}

INSTANTIATE_TEST_SUITE_P(
    Engine, KnockOutAdvance,
    ::testing::Values(
        // Bulgaria - England
        AdvanceCase{"QuarterWonByFirstAdvancesAtOnce", 24, 2, 1, 1, 29, true, Bulgaria},
        AdvanceCase{"QuarterDrawSendsSecondOn", 24, 1, 1, 1, 29, true, England},
        AdvanceCase{"QuarterWonBySecond", 24, 0, 3, 1, 29, true, England},
        // Spain - Switzerland
        AdvanceCase{"Quarter25WonByFirst", 25, 1, 0, 1, 28, true, Spain},
        AdvanceCase{"Quarter25HighDraw", 25, 3, 3, 1, 28, true, Switzerland},
        // Germany - Portugal
        AdvanceCase{"Quarter26WonByFirst", 26, 1, 0, 1, 29, false, Germany},
        AdvanceCase{"Quarter26GoallessDrawPlayed", 26, 0, 0, 1, 29, false, Portugal},
        // Czech Rep. - Danmark
        AdvanceCase{"Quarter27WonByFirst", 27, 5, 4, 1, 28, false, CzechRep},
        AdvanceCase{"Quarter27Draw", 27, 2, 2, 1, 28, false, Danmark},
        // Switzerland - Danmark, England - Portugal
        AdvanceCase{"Semi28WonByFirst", 28, 2, 0, 1, 30, false, Switzerland},
        AdvanceCase{"Semi28Draw", 28, 1, 1, 1, 30, false, Danmark},
        AdvanceCase{"Semi29WonByFirst", 29, 1, 0, 1, 30, true, England},
        AdvanceCase{"Semi29Draw", 29, 4, 4, 1, 30, true, Portugal},
        // The progression reads the scores only, not the played flag.
        AdvanceCase{"ScoreWithoutPlayedFlagStillDecides", 24, 2, 1, 0, 29, true, Bulgaria}),
    [](const auto& info) { return std::string(info.param.name); });

// A score belongs to its match, not to the teams: when the teams of a semi-final
// change, the entered score decides for whoever is now ploeg1 and ploeg2.
TEST_F(KnockOutTest, SemiFinalScoreStaysWithTheMatchWhenItsTeamsChange) {
    Result(28, 3, 1); // entered while the quarter-finals are still open
    window.BerekenStand();
    ExpectPairing({28, Switzerland, Danmark});
    EXPECT_EQ(window.Wedstrijd[30].ploeg2, Switzerland);

    Result(25, 2, 0); // Spain beats Switzerland
    window.BerekenStand();
    ExpectPairing({28, Spain, Danmark});
    EXPECT_EQ(window.Wedstrijd[28].score1, 3);
    EXPECT_EQ(window.Wedstrijd[28].score2, 1);
    EXPECT_EQ(window.Wedstrijd[28].gespeeld, 1);
    EXPECT_EQ(window.Wedstrijd[30].ploeg2, Spain);
}

TEST_F(KnockOutTest, KnockOutResultsLeaveGroupOrderAlone) {
    for (int m = kGroupMatches; m < kMatches; ++m)
        Result(m, 0, 2);
    window.BerekenStand();
    EXPECT_EQ(window.PoelA, (TPoel{0, 1, 2, 3}));
    EXPECT_EQ(window.PoelD, (TPoel{12, 13, 14, 15}));
    for (int t = 0; t < kTeams; ++t) {
        EXPECT_EQ(window.Ploeg[t].gespeeld, 0) << landnaam[t];
        EXPECT_EQ(window.Ploeg[t].voor, 0) << landnaam[t];
    }
}

// A whole tournament played out: the bracket carries each winner through.
TEST_F(KnockOutTest, FullBracketCarriesWinnersToTheFinal) {
    Result(0, 2, 1); // group A: England, Netherlands (fewer goals), Scotland, Switzerland
    Result(9, 0, 1); // Switzerland 0-1 Netherlands
    Result(1, 0, 1); // group B: Bulgaria, Romenia, France, Spain
    Result(2, 2, 0); // group C: Germany, Italy, Russia, Czech Rep.
    Result(3, 0, 1); // group D: Portugal, Turkey, Croatia, Danmark
    window.BerekenStand();
    ExpectPairing({24, Romenia, England});
    ExpectPairing({25, Bulgaria, Netherlands});
    ExpectPairing({26, Germany, Turkey});
    ExpectPairing({27, Italy, Portugal});

    Result(24, 0, 1); // England
    Result(25, 1, 0); // Bulgaria
    Result(26, 3, 0); // Germany
    Result(27, 0, 0); // Portugal (draw)
    Result(28, 0, 2); // Portugal
    Result(29, 2, 1); // England
    window.BerekenStand();
    ExpectPairing({28, Bulgaria, Portugal});
    ExpectPairing({29, England, Germany});
    ExpectPairing({30, England, Portugal});
}

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// The engine: functions from the matches entered to the standings and the knock-out
// pairings. Nothing here shows anything; the main window shows what the engine reports.
#pragma once

#include "data/tournament.h"
#include "engine/sort_key.h"

#include <array>

// The decisive mutual matches the head-to-head tie-breaker looked at, in the order it met
// them; each is one report the main window may show.
struct TieBreakerDecisions {
    // A decisive match is met at most once per tie, and a group breaks at most one tie of
    // four (six matches) or ties among fewer teams with fewer matches between them.
    std::array<Game, kGroupMatches> matches{};
    int count = 0;

    void Add(const Game& g) {
        if (count < static_cast<int>(matches.size()))
            matches[count++] = g;
    }
};

// Every team's group-stage figures from the results entered.
Teams TeamFigures(const Games& games);

// Adds one group match's result to its two teams' figures. Inline: the chances count a
// result this way some twenty million times a second.
inline void CountResult(Teams& teams, const Game& g) {
    Team& p1 = teams[g.ploeg1];
    Team& p2 = teams[g.ploeg2];
    const std::int32_t s1 = g.score1;
    const std::int32_t s2 = g.score2;
    p1.gespeeld += 1;
    p2.gespeeld += 1;
    WrapAdd(p1.voor, s1);
    WrapAdd(p1.tegen, s2);
    WrapAdd(p2.voor, s2);
    WrapAdd(p2.tegen, s1);
    if (s1 == s2) {
        p1.gelijk += 1;
        p1.punten += 1;
        p2.gelijk += 1;
        p2.punten += 1;
    } else if (s1 > s2) {
        p1.gewonnen += 1;
        p1.punten += 3;
        p2.verloren += 1;
    } else {
        p2.gewonnen += 1;
        p2.punten += 3;
        p1.verloren += 1;
    }
}

// Puts a group in table order: by points, goal difference and goals, then teams level on
// points by their mutual matches only. Decisions are recorded when `decisions` is given.
void SortGroup(const Teams& teams, const Games& games, TPoel& group,
               TieBreakerDecisions* decisions);

// Orders the first `count` teams of `tied`, all of one group, by a small league of their
// mutual matches.
void BreakTie(const Games& games, int count, TPoel& tied, TieBreakerDecisions* decisions);

// Fills in who plays each knock-out match from the group orders and the knock-out results
// entered so far.
void PairKnockOut(const std::array<TPoel, kGroups>& groups, Games& games);

// Each group's teams in table order, sorted group by group (A first) with the
// tie-breaker; its decisions are appended in that order when asked for.
std::array<TPoel, kGroups> SortedGroups(const Teams& teams, const Games& games,
                                        TieBreakerDecisions* decisions);

// Computes the figures, the group orders and the knock-out pairings of a tournament.
void ComputeStandings(Tournament& tournament, TieBreakerDecisions* decisions);

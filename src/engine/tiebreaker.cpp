// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sort_key.h"
#include "engine/standings.h"

namespace {

// The six matches of each group, in match order.
using GroupMatches = std::array<std::array<int, 6>, kGroups>;

GroupMatches MatchesByGroup() {
    GroupMatches matches{};
    std::array<int, kGroups> found{};
    for (int m = 0; m < kGroupMatches; ++m) {
        const int group = GroupOf(schema[m].ploeg1);
        matches[group][found[group]++] = m;
    }
    return matches;
}

} // namespace

void BreakTie(const Games& games, int count, TPoel& tied, TieBreakerDecisions* decisions) {
    static const GroupMatches kMatchesByGroup = MatchesByGroup();
    std::array<Team, 4> league{};
    std::array<std::int32_t, 4> keys{};
    std::uint32_t isTied = 0;
    for (int i = 0; i < count; ++i)
        isTied |= std::uint32_t{1} << tied[i];
    auto among = [&](std::int32_t team) { return (isTied >> team & 1) != 0; };

    // A small league of the tied teams' mutual matches only, all of one group.
    for (int i = 0; i < count; ++i) {
        for (const int j : kMatchesByGroup[GroupOf(tied[0])]) {
            const Game& g = games[j];
            if (g.gespeeld != 1)
                continue;
            if (g.ploeg1 == tied[i] && among(g.ploeg2)) {
                if (g.score1 != g.score2 && decisions != nullptr)
                    decisions->Add(g);
                if (g.score1 == g.score2)
                    league[i].punten += 1;
                else if (g.score1 > g.score2)
                    league[i].punten += 3;
                WrapAdd(league[i].voor, g.score1);
                WrapAdd(league[i].tegen, g.score2);
            } else if (g.ploeg2 == tied[i] && among(g.ploeg1)) {
                if (g.score1 == g.score2)
                    league[i].punten += 1;
                else if (g.score1 < g.score2)
                    league[i].punten += 3;
                WrapAdd(league[i].voor, g.score2);
                WrapAdd(league[i].tegen, g.score1);
            }
        }
    }

    for (int i = 0; i < count; ++i)
        keys[i] = SortKey(league[i].punten, league[i].voor, league[i].tegen);

    SortByKey(keys, tied, count);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/standings.h"

#include "engine/knockout.h"
#include "engine/sort_key.h"

Teams TeamFigures(const Games& games) {
    Teams teams{};
    for (int m = 0; m < kGroupMatches; ++m)
        if (games[m].gespeeld == 1)
            CountResult(teams, games[m]);
    return teams;
}

void SortGroup(const Teams& teams, const Games& games, TPoel& group,
               TieBreakerDecisions* decisions) {
    std::array<std::int32_t, 4> keys{};
    for (int i = 0; i < 4; ++i) {
        const Team& t = teams[group[i]];
        keys[i] = SortKey(t.punten, t.voor, t.tegen);
    }

    // Exact ties keep the initial team-index order.
    SortByKey(keys, group, 4);

    auto level = [&](int a, int b) { return teams[group[a]].punten == teams[group[b]].punten; };
    auto breakTie = [&](int first, int count) {
        TPoel tied{};
        for (int i = 0; i < count; ++i)
            tied[i] = group[first + i];
        BreakTie(games, count, tied, decisions);
        for (int i = 0; i < count; ++i)
            group[first + i] = tied[i];
    };

    // A pair inside a tie of three or four is never broken a second time, but two
    // separate pairs (first and second, third and fourth) both are.
    if (level(0, 1) && level(1, 2) && level(2, 3)) {
        breakTie(0, 4);
    } else if (level(0, 1) && level(1, 2)) {
        breakTie(0, 3);
    } else if (level(1, 2) && level(2, 3)) {
        breakTie(1, 3);
    } else {
        if (level(0, 1))
            breakTie(0, 2);
        if (level(1, 2))
            breakTie(1, 2);
        if (level(2, 3))
            breakTie(2, 2);
    }
}

void PairKnockOut(const std::array<TPoel, kGroups>& groups, Games& games) {
    for (int match = kGroupMatches; match < kMatches; ++match) {
        const KnockOutSlot& slot = kKnockOutSlots[match - kGroupMatches];
        games[match].ploeg1 = KnockOutTeam(groups, games, slot.first);
        games[match].ploeg2 = KnockOutTeam(groups, games, slot.second);
    }
}

std::array<TPoel, kGroups> SortedGroups(const Teams& teams, const Games& games,
                                        TieBreakerDecisions* decisions) {
    std::array<TPoel, kGroups> groups{};
    for (int g = 0; g < kGroups; ++g) {
        for (int i = 0; i < 4; ++i)
            groups[g][i] = 4 * g + i;
        SortGroup(teams, games, groups[g], decisions);
    }
    return groups;
}

void ComputeStandings(Tournament& t, TieBreakerDecisions* decisions) {
    t.Ploeg = TeamFigures(t.Wedstrijd);
    const std::array<TPoel, kGroups> groups = SortedGroups(t.Ploeg, t.Wedstrijd, decisions);
    t.SetGroups(groups);
    PairKnockOut(groups, t.Wedstrijd);
}

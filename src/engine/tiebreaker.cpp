// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/sort_key.h"
#include "engine/standings.h"

void BreakTie(const Games& games, int count, TPoel& tied, TieBreakerDecisions* decisions) {
    std::array<Team, 4> league{};
    std::array<std::int32_t, 4> keys{};

    // A small league of the tied teams' mutual matches only.
    for (int i = 0; i < count; ++i) {
        for (int j = 0; j < kGroupMatches; ++j) {
            const Game& g = games[j];
            for (int k = 0; k < count; ++k) {
                if (g.ploeg1 == tied[i] && g.ploeg2 == tied[k] && g.gespeeld == 1) {
                    if (g.score1 != g.score2 && decisions != nullptr)
                        decisions->Add(g);
                    if (g.score1 == g.score2)
                        league[i].punten += 1;
                    else if (g.score1 > g.score2)
                        league[i].punten += 3;
                    WrapAdd(league[i].voor, g.score1);
                    WrapAdd(league[i].tegen, g.score2);
                }
                if (g.ploeg2 == tied[i] && g.ploeg1 == tied[k] && g.gespeeld == 1) {
                    if (g.score1 == g.score2)
                        league[i].punten += 1;
                    else if (g.score1 < g.score2)
                        league[i].punten += 3;
                    WrapAdd(league[i].voor, g.score2);
                    WrapAdd(league[i].tegen, g.score1);
                }
            }
        }
    }

    for (int i = 0; i < count; ++i)
        keys[i] = SortKey(league[i].punten, league[i].voor, league[i].tegen);

    SortByKey(keys, tied, count);
}

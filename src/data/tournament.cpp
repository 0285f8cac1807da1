// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/tournament.h"

Games ScheduledGames() {
    Games games{};
    for (int i = 0; i < kMatches; ++i) {
        const ScheduleRow& row = schema[i];
        Game& g = games[i];
        g.datum = row.datum;
        g.tijd = row.tijd;
        g.stadion = row.stadion;
        g.ploeg1 = row.ploeg1;
        g.ploeg2 = row.ploeg2;
    }
    return games;
}

Tournament::Tournament() : Wedstrijd(ScheduledGames()) {}

void Tournament::SetGroups(const std::array<TPoel, kGroups>& groups) {
    PoelA = groups[0];
    PoelB = groups[1];
    PoelC = groups[2];
    PoelD = groups[3];
}

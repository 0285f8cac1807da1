// SPDX-License-Identifier: GPL-3.0-or-later
// What a result changed, in a sentence for a screen reader: the score, then the group's
// new order or who went through; and the standings it compares, computed on a copy.
#include "engine/knockout.h"
#include "engine/standings.h"
#include "views/layout.h"
#include "views/read_aloud.h"

#include <string>

namespace {

constexpr const char* kPlaces[4] = {"first", "second", "third", "fourth"};

int PlaceOf(const TPoel& poel, int team) {
    for (int r = 0; r < 4; ++r)
        if (poel[r] == team)
            return r;
    return -1;
}

std::string Points(std::int32_t points) {
    return std::to_string(points) + (points == 1 ? " point" : " points");
}

// Where the winner of a knock-out match goes on to.
const char* NextRound(int match) { return match < 28 ? "the semi-finals" : "the final"; }

} // namespace

Standings QuietStandings(const Tournament& t) {
    // Computed on a copy: the standings are read, not drawn, so nothing here changes and
    // no tie-breaker report is shown.
    Tournament copy = t;
    ComputeStandings(copy, nullptr);
    return {copy.Groups(), copy.Ploeg, copy.Wedstrijd};
}

std::string ResultSpoken(int match, const Standings& before, const Standings& after) {
    if (match < 0 || match >= kMatches)
        return {};
    const Game& g = after.games[match];
    auto name = [](int team) {
        return team >= 0 && team < kTeams ? std::string(landnaam[team]) : std::string("?");
    };
    std::string text = name(g.ploeg1) + " " + std::to_string(g.score1) + ", " + name(g.ploeg2) +
                       " " + std::to_string(g.score2) + ".";
    if (match >= kGroupMatches) {
        const int winner = KnockOutWinner(g);
        if (match == kFinal)
            return text + " " + name(winner) + " European Champion 1996.";
        return text + " " + name(winner) + " through to " + NextRound(match) + ".";
    }
    const int group = GroupOf(g.ploeg1);
    if (group < 0 || group >= 4)
        return text;
    const TPoel& now = after.groups[group];
    text += std::string(" ") + kGroupTables[group].heading + ":";
    bool first = true;
    for (int r = 0; r < 4; ++r) {
        const int team = now[r];
        if (team < 0 || team >= kTeams)
            continue;
        const bool moved = PlaceOf(before.groups[group], team) != r;
        if (!moved && team != g.ploeg1 && team != g.ploeg2)
            continue;
        text += std::string(first ? " " : ", ") + name(team) + " " + kPlaces[r] + " with " +
                Points(after.teams[team].punten);
        first = false;
    }
    return text + ".";
}

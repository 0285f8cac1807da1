// SPDX-License-Identifier: GPL-3.0-or-later
#include "chances/certainty.h"

#include "chances/goal_model.h"
#include "engine/knockout.h"
#include "engine/standings.h"

#include <cstdlib>

namespace {

using TeamSet = std::uint32_t; // a bit per team index
constexpr TeamSet Only(int team) { return TeamSet{1} << team; }

// The places a team of a group can end in, a bit per place (bit 0 = first): it is sure
// of a set of places when it can end in no other.
using PlaceSet = std::uint8_t;
using GroupPlaces = std::array<PlaceSet, 4>;
constexpr PlaceSet kFirst = 0b01, kSecond = 0b10;

// Whether points alone order the group over every result with at most kMostGoals goals a
// side: a point (10000 in the sort key) then outweighs any difference in goal difference
// (at most 98 * 100) and goals (at most 99).
bool PointsDecide(const Team& team, int matchesLeft) {
    const long long most = static_cast<long long>(kMostGoals) * matchesLeft;
    const long long difference = static_cast<long long>(team.voor) - team.tegen;
    return team.voor >= 0 && team.tegen >= 0 && team.voor + most <= 99 &&
           std::llabs(difference) + most <= 49;
}

GroupPlaces PlacesOf(int group, const Games& entered, const Teams& figures) {
    GroupPlaces places{};
    const int first = 4 * group;
    std::array<int, 6> left{};
    int leftCount = 0;
    std::array<int, 4> matchesLeft{};
    for (int m = 0; m < kGroupMatches; ++m) {
        const Game& g = entered[m];
        if (GroupOf(g.ploeg1) != group || g.gespeeld == 1)
            continue;
        left[leftCount++] = m;
        matchesLeft[g.ploeg1 - first] += 1;
        matchesLeft[g.ploeg2 - first] += 1;
    }

    auto record = [&](int team, int highest, int lowest) {
        for (int p = highest; p <= lowest; ++p)
            places[team] |= PlaceSet(1u << p);
    };

    if (leftCount == 0) {
        TPoel order{first, first + 1, first + 2, first + 3};
        SortGroup(figures, entered, order, nullptr);
        for (int p = 0; p < 4; ++p)
            record(order[p] - first, p, p);
        return places;
    }
    for (int i = 0; i < 4; ++i) {
        if (!PointsDecide(figures[first + i], matchesLeft[i])) {
            for (int t = 0; t < 4; ++t)
                record(t, 0, 3);
            return places;
        }
    }

    int cases = 1;
    for (int i = 0; i < leftCount; ++i)
        cases *= 3;
    for (int c = 0; c < cases; ++c) {
        std::array<int, 4> points{};
        for (int i = 0; i < 4; ++i)
            points[i] = figures[first + i].punten;
        int code = c;
        for (int i = 0; i < leftCount; ++i, code /= 3) {
            const Game& g = entered[left[i]];
            const int home = g.ploeg1 - first;
            const int away = g.ploeg2 - first;
            switch (code % 3) {
            case 0:
                points[home] += 3;
                break;
            case 1:
                points[home] += 1;
                points[away] += 1;
                break;
            default:
                points[away] += 3;
                break;
            }
        }
        for (int t = 0; t < 4; ++t) {
            int above = 0;
            int level = 0;
            for (int o = 0; o < 4; ++o) {
                if (o == t)
                    continue;
                above += points[o] > points[t];
                level += points[o] == points[t];
            }
            record(t, above, above + level);
        }
    }
    return places;
}

} // namespace

Certainties DecideCertainties(const Games& entered) {
    const Teams figures = TeamFigures(entered);
    Certainties result{};
    std::array<std::array<TeamSet, 4>, kGroups> atPlace{};
    for (int group = 0; group < kGroups; ++group) {
        const GroupPlaces places = PlacesOf(group, entered, figures);
        for (int i = 0; i < 4; ++i) {
            const int team = 4 * group + i;
            const PlaceSet can = places[i];
            for (int p = 0; p < 4; ++p)
                if (can & (1u << p))
                    atPlace[group][p] |= Only(team);
            auto decide = [can](PlaceSet stage) {
                return (can & ~stage) == 0  ? Certainty::Sure
                       : (can & stage) != 0 ? Certainty::Open
                                            : Certainty::Never;
            };
            result[team][kGroupWinner] = decide(kFirst);
            result[team][kGroupRunnerUp] = decide(kSecond);
            result[team][kQuarterFinal] = decide(kFirst | kSecond);
        }
    }

    // The teams each side of a knock-out match can be, match by match: a side that only
    // one team can take is that team's for sure.
    std::array<std::array<TeamSet, 2>, kMatches> sides{};
    std::array<TeamSet, kMatches> winners{};
    for (int m = kGroupMatches; m < kMatches; ++m) {
        const KnockOutSlot& slot = kKnockOutSlots[m - kGroupMatches];
        auto set = [&](const KnockOutSide& side) {
            return side.group >= 0 ? atPlace[side.group][side.place] : winners[side.winnerOf];
        };
        sides[m] = {set(slot.first), set(slot.second)};
        const Game& g = entered[m];
        winners[m] = g.gespeeld == 1 ? (g.score1 > g.score2 ? sides[m][0] : sides[m][1])
                                     : sides[m][0] | sides[m][1];
    }
    auto decideAt = [&](int team, std::initializer_list<TeamSet> places) {
        bool possible = false;
        for (const TeamSet place : places) {
            if (place == Only(team))
                return Certainty::Sure;
            possible = possible || (place & Only(team)) != 0;
        }
        return possible ? Certainty::Open : Certainty::Never;
    };
    for (int team = 0; team < kTeams; ++team) {
        result[team][kSemiFinal] =
            decideAt(team, {sides[28][0], sides[28][1], sides[29][0], sides[29][1]});
        result[team][kFinalist] = decideAt(team, {sides[kFinal][0], sides[kFinal][1]});
        result[team][kChampion] = decideAt(team, {winners[kFinal]});
    }
    return result;
}

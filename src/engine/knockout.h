// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game.h"
#include "data/tables.h"
#include "data/tournament.h"

#include <array>

// The team a knock-out match sends on: the first team only with a strictly higher
// score, so a draw, and a match without a result (0-0), send the second team on.
// The champion is named by the same rule.
constexpr int KnockOutWinner(const Game& g) { return g.score1 > g.score2 ? g.ploeg1 : g.ploeg2; }

// Where one side of a knock-out match comes from: a place in a group (0 = A, place 0 =
// winner), or the team a knock-out match sent on.
struct KnockOutSide {
    int group = -1;
    int place = 0;
    int winnerOf = 0;
};

struct KnockOutSlot {
    KnockOutSide first;
    KnockOutSide second;
};

// The team a side takes, from the groups in table order and the matches played before.
inline int KnockOutTeam(const std::array<TPoel, kGroups>& groups, const Games& games,
                        const KnockOutSide& side) {
    return side.group >= 0 ? groups[side.group][side.place] : KnockOutWinner(games[side.winnerOf]);
}

constexpr KnockOutSide GroupPlace(int group, int place) { return {group, place, 0}; }
constexpr KnockOutSide WinnerOf(int match) { return {-1, 0, match}; }

// The quarter-finals, the semi-finals and the final, in match order from match 24. Each
// match is played after every match it takes a team from.
inline constexpr std::array<KnockOutSlot, kMatches - kGroupMatches> kKnockOutSlots{{
    {GroupPlace(1, 1), GroupPlace(0, 0)},
    {GroupPlace(1, 0), GroupPlace(0, 1)},
    {GroupPlace(2, 0), GroupPlace(3, 1)},
    {GroupPlace(2, 1), GroupPlace(3, 0)},
    {WinnerOf(25), WinnerOf(27)},
    {WinnerOf(24), WinnerOf(26)},
    {WinnerOf(29), WinnerOf(28)},
}};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game.h"

// The team a knock-out match sends on: the first team only with a strictly higher
// score, so a draw, and a match without a result (0-0), send the second team on.
// The champion is named by the same rule.
constexpr int KnockOutWinner(const Game& g) { return g.score1 > g.score2 ? g.ploeg1 : g.ploeg2; }

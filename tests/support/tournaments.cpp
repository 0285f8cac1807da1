// SPDX-License-Identifier: GPL-3.0-or-later
#include "tournaments.h"

#include "app/window/draw_window.h"

#include <span>

namespace {

struct Score {
    int match;
    int score1;
    int score2;
};

// clang-format off
constexpr Score k1996[] = {
    // The group stage.
    { 0, 1, 1}, { 1, 1, 1}, { 2, 2, 0}, { 3, 1, 1}, { 4, 0, 0}, { 5, 0, 1},
    { 6, 2, 1}, { 7, 0, 1}, { 8, 1, 0}, { 9, 0, 2}, {10, 1, 0}, {11, 2, 1},
    {12, 0, 2}, {13, 1, 1}, {14, 0, 3}, {15, 3, 0}, {16, 3, 1}, {17, 1, 2},
    {18, 1, 0}, {19, 1, 4}, {20, 0, 3}, {21, 0, 3}, {22, 3, 3}, {23, 0, 0},
    // Quarter-finals, semi-finals, final.
    {24, 0, 0}, {25, 1, 0}, {26, 2, 1}, {27, 1, 0}, {28, 0, 1}, {29, 0, 1},
    {30, 2, 1},
};

constexpr Score kTies[] = {
    // A: England, Switzerland and Netherlands beat each other in a circle and all beat
    // Scotland: three on six points.
    { 0, 1, 0}, { 9, 2, 1}, {19, 1, 0}, { 4, 2, 0}, {12, 0, 3}, {18, 0, 1},
    // B: a circle of wins and two draws: all four on four points.
    { 1, 2, 0}, { 8, 1, 0}, { 5, 2, 1}, {13, 1, 0}, {17, 1, 1}, {16, 0, 0},
    // C: six draws: all four level, and their mutual matches decide nothing.
    { 2, 1, 1}, { 6, 1, 1}, {11, 1, 1}, {14, 1, 1}, {22, 1, 1}, {23, 1, 1},
    // D: Danmark and Portugal level on six points at the top.
    { 3, 2, 1}, {15, 0, 2}, {21, 1, 0}, {10, 2, 0}, {20, 0, 2}, { 7, 1, 1},
};
// clang-format on

void Enter(TDrawWindow& window, std::span<const Score> scores) {
    window.WedstrijdSchema();
    for (const Score& s : scores) {
        Game& g = window.Wedstrijd[s.match];
        g.score1 = s.score1;
        g.score2 = s.score2;
        g.gespeeld = 1;
    }
    // The knock-out teams follow from the groups, as after the paint that stored them.
    window.BerekenStand();
}

} // namespace

void EmptyTournament(TDrawWindow& window) { Enter(window, {}); }

void FullTournament(TDrawWindow& window) { Enter(window, k1996); }

void TournamentBeforeTheFinal(TDrawWindow& window) {
    FullTournament(window);
    Game& final = window.Wedstrijd[kFinal];
    final.score1 = 0;
    final.score2 = 0;
    final.gespeeld = 0;
    window.BerekenStand();
}

void TiedTournament(TDrawWindow& window) { Enter(window, kTies); }

// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/draw_window.h"
#include "engine/sort_key.h"

void TDrawWindow::BerekenStand() {
    for (int i = 0; i < 4; ++i) {
        PoelA[i] = i;
        PoelB[i] = i + 4;
        PoelC[i] = i + 8;
        PoelD[i] = i + 12;
    }
    BerekenPloegScore();
    SorteerPoel(PoelA);
    SorteerPoel(PoelB);
    SorteerPoel(PoelC);
    SorteerPoel(PoelD);
    BerekenKnockOut();
}

void TDrawWindow::BerekenPloegScore() {
    Ploeg.fill(Team{});
    for (int m = 0; m < kGroupMatches; ++m) {
        const Game& g = Wedstrijd[m];
        if (g.gespeeld != 1)
            continue;
        Team& p1 = Ploeg[g.ploeg1];
        Team& p2 = Ploeg[g.ploeg2];
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
}

void TDrawWindow::SorteerPoel(TPoel& Poel) {
    int TestTieBreaker = 0;
    std::array<std::int32_t, 4> punten{};
    for (int i = 0; i < 4; ++i) {
        const Team& t = Ploeg[Poel[i]];
        punten[i] = SortKey(t.punten, t.voor, t.tegen);
    }

    // Exact ties keep the initial team-index order.
    SortByKey(punten, Poel, 4);

    auto level = [&](int a, int b) { return Ploeg[Poel[a]].punten == Ploeg[Poel[b]].punten; };
    auto breakTie = [&](int first, int count) {
        TPoel TieBreakerPoel{};
        for (int i = 0; i < count; ++i)
            TieBreakerPoel[i] = Poel[first + i];
        TieBreaker(count, TieBreakerPoel);
        for (int i = 0; i < count; ++i)
            Poel[first + i] = TieBreakerPoel[i];
    };

    if (level(0, 1) && level(1, 2) && level(2, 3)) {
        TestTieBreaker = 1;
        breakTie(0, 4);
    }
    if (TestTieBreaker == 0 && level(0, 1) && level(1, 2)) {
        TestTieBreaker = 1;
        breakTie(0, 3);
    }
    if (TestTieBreaker == 0 && level(1, 2) && level(2, 3)) {
        TestTieBreaker = 1;
        breakTie(1, 3);
    }
    // A pair inside a tie of three or four is never broken a second time, but two
    // separate pairs (first and second, third and fourth) both are.
    if (TestTieBreaker == 0 && level(0, 1))
        breakTie(0, 2);
    if (TestTieBreaker == 0 && level(1, 2))
        breakTie(1, 2);
    if (TestTieBreaker == 0 && level(2, 3))
        breakTie(2, 2);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/draw_window.h"
#include "engine/sort_key.h"

#include <cstdio>
#include <string>

void TDrawWindow::TieBreaker(int aantal, TPoel& ploegen) {
    std::array<Team, 4> TPloeg{};
    std::array<std::int32_t, 4> TeamResult{};

    // A small league of the tied teams' mutual matches only.
    for (int i = 0; i < aantal; ++i) {
        for (int j = 0; j < kGroupMatches; ++j) {
            const Game& g = Wedstrijd[j];
            for (int k = 0; k < aantal; ++k) {
                if (g.ploeg1 == ploegen[i] && g.ploeg2 == ploegen[k] && g.gespeeld == 1) {
                    if (g.score1 != g.score2 && ShowTieBreaker == 1)
                        ReportTieBreakerMatch(g);
                    if (g.score1 == g.score2)
                        TPloeg[i].punten += 1;
                    else if (g.score1 > g.score2)
                        TPloeg[i].punten += 3;
                    WrapAdd(TPloeg[i].voor, g.score1);
                    WrapAdd(TPloeg[i].tegen, g.score2);
                }
                if (g.ploeg2 == ploegen[i] && g.ploeg1 == ploegen[k] && g.gespeeld == 1) {
                    if (g.score1 == g.score2)
                        TPloeg[i].punten += 1;
                    else if (g.score1 < g.score2)
                        TPloeg[i].punten += 3;
                    WrapAdd(TPloeg[i].voor, g.score2);
                    WrapAdd(TPloeg[i].tegen, g.score1);
                }
            }
        }
    }

    for (int i = 0; i < aantal; ++i)
        TeamResult[i] = SortKey(TPloeg[i].punten, TPloeg[i].voor, TPloeg[i].tegen);

    SortByKey(TeamResult, ploegen, aantal);
}

void TDrawWindow::ReportTieBreakerMatch(const Game& g) {
    MessageBeep();
    const std::string home(landnaam[g.ploeg1]);
    const std::string away(landnaam[g.ploeg2]);
    char text[80];
    std::snprintf(text, sizeof text, "%s - %s %d-%d", home.c_str(), away.c_str(),
                  static_cast<int>(g.score1), static_cast<int>(g.score2));
    MessageBox(text, "TieBreaker wedstrijd", MB_OK | MB_ICONINFORMATION);
}

void TDrawWindow::CmToggleTieBreaker() { ShowTieBreaker = ShowTieBreaker == 0 ? 1 : 0; }

void TDrawWindow::CeToggleTieBreaker(TCommandEnabler& ce) {
    ce.SetCheck(ShowTieBreaker != 0 ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
}

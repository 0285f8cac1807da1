// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's engine entry points: each computes with the engine on the window's
// tournament, then shows the tie-breaker's decisions in the order it made them, when the
// user asked to see them.
#include "engine/standings.h"
#include "app/window/draw_window.h"

#include <cstdio>
#include <string>

void TDrawWindow::BerekenStand() {
    TieBreakerDecisions decisions;
    ComputeStandings(*this, &decisions);
    ReportTieBreakerDecisions(decisions);
}

void TDrawWindow::BerekenPloegScore() { Ploeg = TeamFigures(Wedstrijd); }

void TDrawWindow::SorteerPoel(TPoel& Poel) {
    TieBreakerDecisions decisions;
    SortGroup(Ploeg, Wedstrijd, Poel, &decisions);
    ReportTieBreakerDecisions(decisions);
}

void TDrawWindow::TieBreaker(int aantal, TPoel& ploegen) {
    TieBreakerDecisions decisions;
    BreakTie(Wedstrijd, aantal, ploegen, &decisions);
    ReportTieBreakerDecisions(decisions);
}

void TDrawWindow::ReportTieBreakerDecisions(const TieBreakerDecisions& decisions) {
    if (ShowTieBreaker != 1)
        return;
    for (int i = 0; i < decisions.count; ++i)
        ReportTieBreakerMatch(decisions.matches[i]);
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

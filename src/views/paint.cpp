// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/draw_window.h"

void TDrawWindow::Paint(bool, const TRect&) {
    if (FirstTime == 1) {
        // The welcome box shows over the empty standings, then the loaded results
        // are drawn; the start-up's own repaint request follows this paint.
        PrintStand();
        DoFirstTime();
    }
    switch (SchermType) {
    case kScheduleView:
        PrintSchema();
        break;
    case kMapView:
        PrintIntro();
        break;
    case kTeamView:
        PrintTeamInfo();
        break;
    default:
        PrintStand();
        break;
    }
}

bool TDrawWindow::PaintAhead(int step) {
    // The standings, the schedule, the map, then each team's page.
    constexpr int kViews = kTeamView;
    if (step < 0 || step >= kViews + kTeams || FirstTime != 0)
        return false;
    // Everything a paint sets is put back as it was: what the views draw with or choose
    // by, and the standings and knock-out pairings they compute, which a view shown now
    // may not have computed yet from the latest results.
    const auto games = Wedstrijd;
    const auto teams = Ploeg;
    const std::array<TPoel, 4> groups{PoelA, PoelB, PoelC, PoelD};
    const auto screen = SchermType;
    const auto team = TeamToShow;
    const auto reports = ShowTieBreaker;
    const auto pen = Pen;
    const auto brush = Brush;
    SchermType = step < kViews ? step : kTeamView;
    TeamToShow = step < kViews ? team : step - kViews;
    ShowTieBreaker = 0; // no box
    Paint(true, TRect{});
    Wedstrijd = games;
    Ploeg = teams;
    PoelA = groups[0];
    PoelB = groups[1];
    PoelC = groups[2];
    PoelD = groups[3];
    SchermType = screen;
    TeamToShow = team;
    ShowTieBreaker = reports;
    Pen = pen;
    Brush = brush;
    return step + 1 < kViews + kTeams;
}

void TDrawWindow::SetPen(TColor Kleur, int PenSize) { Pen = TPen{Kleur, PenSize}; }

void TDrawWindow::SetBrush(TColor Kleur) { Brush = TBrush{Kleur}; }

void TDrawWindow::CmShowStand() {
    SchermType = kStandingsView;
    Invalidate();
}

void TDrawWindow::CmShowSchema() {
    SchermType = kScheduleView;
    Invalidate();
}

void TDrawWindow::CmShowIntro() {
    SchermType = kMapView;
    Invalidate();
}

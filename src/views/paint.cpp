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
    // Everything a paint sets is put back as it was: the tournament it computes and chooses
    // the page by (a view shown now may not have computed the latest results yet), and
    // what the views draw with.
    const Tournament tournament = State();
    const auto pen = Pen;
    const auto brush = Brush;
    SchermType = step < kViews ? step : kTeamView;
    TeamToShow = step < kViews ? TeamToShow : step - kViews;
    ShowTieBreaker = 0; // no box
    Paint(true, TRect{});
    static_cast<Tournament&>(*this) = tournament;
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

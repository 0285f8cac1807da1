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
    constexpr int kViews = 3;
    if (step < 0 || step >= kViews + kTeams || FirstTime != 0)
        return false;
    // What the views draw with or choose by, put back as it was; the standings they
    // compute come out the same from the same results.
    const auto screen = SchermType;
    const auto team = TeamToShow;
    const auto reports = ShowTieBreaker;
    const auto pen = Pen;
    const auto brush = Brush;
    const auto penSize = PenSize;
    const auto colour = Kleur;
    SchermType = step < kViews ? step : 3;
    TeamToShow = step < kViews ? team : step - kViews;
    ShowTieBreaker = 0; // no box
    Paint(true, TRect{});
    SchermType = screen;
    TeamToShow = team;
    ShowTieBreaker = reports;
    Pen = pen;
    Brush = brush;
    PenSize = penSize;
    Kleur = colour;
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

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

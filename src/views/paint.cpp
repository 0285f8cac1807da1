#include "data/draw_window.h"

void TDrawWindow::Paint(bool, const TRect&) {
    if (FirstTime == 1) {
        // The welcome box shows over the empty standings, then the loaded results
        // are drawn; the start-up's own repaint request follows this paint.
        PrintStand();
        DoFirstTime();
    }
    switch (SchermType) {
    case 1:
        PrintSchema();
        break;
    case 2:
        PrintIntro();
        break;
    case 3:
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
    SchermType = 0;
    Invalidate();
}

void TDrawWindow::CmShowSchema() {
    SchermType = 1;
    Invalidate();
}

void TDrawWindow::CmShowIntro() {
    SchermType = 2;
    Invalidate();
}

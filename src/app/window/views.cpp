// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's views: each command chooses a view, and each view computes the
// standings (showing the tie-breaker's reports when asked to) before the views layer
// draws it from the window's tournament.
#include "app/window/draw_window.h"
#include "engine/standings.h"
#include "views/draw.h"
#include "views/read_aloud.h"

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
    // A copy shows the page and computes what it draws, so nothing here changes and no
    // box opens.
    Tournament page = State();
    page.SchermType = step < kViews ? step : kTeamView;
    page.TeamToShow = step < kViews ? page.TeamToShow : step - kViews;
    ComputeStandings(page, nullptr);
    DrawView(*this, page);
    return step + 1 < kViews + kTeams;
}

std::unique_ptr<TWindow> TDrawWindow::CopyForPainting() const {
    return std::make_unique<TournamentPicture>(State());
}

void TDrawWindow::PrintStand() {
    TekenLogos();
    BerekenStand();
    DrawStandings(*this, State());
}

void TDrawWindow::PrintWinnaar(int T) { DrawChampion(*this, T); }

void TDrawWindow::PrintWedstrijdRegel(int i, int x, int y) {
    DrawMatchLine(*this, State(), i, x, y);
}

void TDrawWindow::PrintSchema() {
    BerekenStand();
    DrawSchedule(*this, State());
}

void TDrawWindow::PrintIntro() { DrawMapView(*this); }

void TDrawWindow::TekenKaart() { DrawMap(*this); }

void TDrawWindow::TekenLogos() { DrawEmblem(*this); }

void TDrawWindow::PrintTeamInfo() {
    BerekenStand();
    DrawTeamPage(*this, State());
}

ReadingGuide TDrawWindow::Reading() const { return ReadView(State()); }

std::string TDrawWindow::PictureName(int resId) const { return PictureDescription(resId); }

std::string TDrawWindow::ViewName() const { return ViewFileName(State()); }

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

void TDrawWindow::ShowTeam(int team) {
    TeamToShow = team;
    SchermType = kTeamView;
    Invalidate();
}

void TDrawWindow::CmTeamNederland() { ShowTeam(2); }
void TDrawWindow::CmTeamPortugal() { ShowTeam(13); }
void TDrawWindow::CmTeamBulgarije() { ShowTeam(5); }
void TDrawWindow::CmTeamKroatie() { ShowTeam(15); }
void TDrawWindow::CmTeamTsjechie() { ShowTeam(9); }
void TDrawWindow::CmTeamDenemarken() { ShowTeam(12); }
void TDrawWindow::CmTeamEngeland() { ShowTeam(0); }
void TDrawWindow::CmTeamFrankrijk() { ShowTeam(7); }
void TDrawWindow::CmTeamDuitsland() { ShowTeam(8); }
void TDrawWindow::CmTeamItalie() { ShowTeam(10); }
void TDrawWindow::CmTeamRoemenie() { ShowTeam(6); }
void TDrawWindow::CmTeamRusland() { ShowTeam(11); }
void TDrawWindow::CmTeamSchotland() { ShowTeam(3); }
void TDrawWindow::CmTeamSpanje() { ShowTeam(4); }
void TDrawWindow::CmTeamZwitserland() { ShowTeam(1); }
void TDrawWindow::CmTeamTurkije() { ShowTeam(14); }

void TDrawWindow::CmPrintPrevious() {
    MessageBox("1960: Sovjet Union\n"
               "1964: Spain\n"
               "1968: Italy\n"
               "1972: West Germany\n"
               "1976: Czechoslovakia\n"
               "1980: West Germany\n"
               "1984: France\n"
               "1988: The Netherlands\n"
               "1992: Danmark\n"
               "\n"
               "All previous winners qualified\n",
               "Previous Winners", MB_OK | MB_ICONINFORMATION);
}

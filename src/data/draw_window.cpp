// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/draw_window.h"

TDrawWindow::TDrawWindow(TWindow* parent)
    : TWindow(parent, nullptr), fileOps_(&FileOps::Posix()),
      keeper_(RecoveryPlaces::ForWorkingFolder()) {
    Wedstrijd.fill(Game{});
    Ploeg.fill(Team{});
    MoetSaven = 0;
    FirstTime = 1;
    ShowTieBreaker = 0;
    WedstrijdSchema();
    SchermType = kStandingsView;
    WedstrijdNummer = 0;
    TeamToShow = 0;
    TimeZone = 200;
}

TDrawWindow::~TDrawWindow() = default;

void TDrawWindow::WedstrijdSchema() {
    for (int i = 0; i < kMatches; ++i) {
        const ScheduleRow& row = schema[i];
        Game& g = Wedstrijd[i];
        g.datum = row.datum;
        g.tijd = row.tijd;
        g.stadion = row.stadion;
        g.ploeg1 = row.ploeg1;
        g.ploeg2 = row.ploeg2;
        g.score1 = 0;
        g.score2 = 0;
        g.gespeeld = 0;
    }
}

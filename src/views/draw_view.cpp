// SPDX-License-Identifier: GPL-3.0-or-later
// The choice of view to draw, and TournamentPicture, which draws a copy of a tournament
// for export and print.
#include "engine/standings.h"
#include "views/draw.h"

void DrawView(TWindow& target, const Tournament& t) {
    switch (t.SchermType) {
    case kScheduleView:
        DrawSchedule(target, t);
        break;
    case kMapView:
        DrawMapView(target);
        break;
    case kTeamView:
        DrawTeamPage(target, t);
        break;
    default:
        DrawEmblem(target);
        DrawStandings(target, t);
        break;
    }
}

TournamentPicture::TournamentPicture(const Tournament& t) : TWindow(nullptr), tournament_(t) {
    ComputeStandings(tournament_, nullptr);
}

void TournamentPicture::Paint(bool, const TRect&) { DrawView(*this, tournament_); }

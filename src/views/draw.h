// SPDX-License-Identifier: GPL-3.0-or-later
// The four views, drawn from a tournament value on a window's client area through the
// toolkit. Each part opens a drawing surface of its own, which starts in the default
// state (black text, black pen, white brush). The views read the standings the value
// holds; computing them, and showing the tie-breaker's reports, is the caller's.
#pragma once

#include "data/tournament.h"
#include "platform/window.h"

#include <memory>
#include <string>

// The emblem, which the standings and the schedule both show: between the group tables
// and the knock-out tree, and between the schedule's two columns.
void DrawEmblem(TWindow& target);
// The standings view but its emblem: the group tables, the knock-out tree and, once the
// final is played, the champion.
void DrawStandings(TWindow& target, const Tournament& t);
// The champion's panel over the middle of the standings; nothing for a team not known.
void DrawChampion(TWindow& target, int team);
// The schedule view, emblem included.
void DrawSchedule(TWindow& target, const Tournament& t);
// One line of the schedule, its top-left corner at (x, y).
void DrawMatchLine(TWindow& target, const Tournament& t, int match, int x, int y);
// The map view, and the map alone.
void DrawMapView(TWindow& target);
void DrawMap(TWindow& target);
// The page of the team t.TeamToShow.
void DrawTeamPage(TWindow& target, const Tournament& t);
// The whole view that t.SchermType chooses.
void DrawView(TWindow& target, const Tournament& t);

// A short name of the view t shows, for the names of files made from it: "standings",
// "schedule", "map" or the team's name ("czech-rep").
std::string ViewFileName(const Tournament& t);

// A window that shows a copy of a tournament, for export and print: it computes the
// standings on its own copy, never reports the tie-breaker and opens no box.
class TournamentPicture : public TWindow {
  public:
    explicit TournamentPicture(const Tournament& t);
    void Paint(bool erase, const TRect& rect) override;
    std::unique_ptr<TWindow> CopyForPainting() const override {
        return std::make_unique<TournamentPicture>(tournament_);
    }
    std::string ViewName() const override { return ViewFileName(tournament_); }

  private:
    Tournament tournament_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// One line of the schedule: day, local kick-off, teams and score, in its group's colour.
#include "views/colours.h"
#include "views/draw.h"
#include "views/kickoff.h"
#include "views/schedule_layout.h"

#include <string>

void DrawMatchLine(TWindow& target, const Tournament& t, int i, int x, int y) {
    constexpr ScheduleLayout::LineColumns c = ScheduleLayout::kLine;
    TClientDC dc(target);
    const Game& g = t.Wedstrijd[i];
    // The whole line wears one colour: its group's, or black in the knock-out rounds.
    dc.SetTextColor(i < kGroupMatches ? GroupColourOfTeam(g.ploeg1) : TColor::Black);
    dc.TextOut(x + c.day, y, std::to_string(g.datum));
    dc.TextOut(x + c.time, y, KickOffText(g.tijd, t.TimeZone));
    dc.TextOut(x + c.team1, y, landnaam[g.ploeg1]);
    dc.TextOut(x + c.dash, y, "-");
    dc.TextOut(x + c.team2, y, landnaam[g.ploeg2]);
    if (g.gespeeld == 1) {
        dc.TextOut(x + c.score1, y, std::to_string(g.score1));
        dc.TextOut(x + c.score2, y, std::to_string(g.score2));
    }
}

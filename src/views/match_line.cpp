#include "data/draw_window.h"
#include "views/colours.h"
#include "views/kickoff.h"

#include <string>

void TDrawWindow::PrintWedstrijdRegel(int i, int x, int y) {
    TClientDC dc(*this);
    const Game& g = Wedstrijd[i];
    // The whole line wears one colour: its group's, or black in the knock-out rounds.
    dc.SetTextColor(i < kGroupMatches ? GroupColourOfTeam(g.ploeg1) : TColor::Black);
    dc.TextOut(x, y, std::to_string(g.datum));
    dc.TextOut(x + 25, y, KickOffText(g.tijd, TimeZone));
    dc.TextOut(x + 70, y, landnaam[g.ploeg1]);
    dc.TextOut(x + 180, y, "-");
    dc.TextOut(x + 190, y, landnaam[g.ploeg2]);
    if (g.gespeeld == 1) {
        dc.TextOut(x + 170, y, std::to_string(g.score1));
        dc.TextOut(x + 290, y, std::to_string(g.score2));
    }
}

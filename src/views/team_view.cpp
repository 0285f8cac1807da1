// SPDX-License-Identifier: GPL-3.0-or-later
// A team's page: its flag (with a cup for a former champion), name, previous best and
// how it qualified, its matches round by round, and its group's table.
#include "views/colours.h"
#include "views/draw.h"
#include "views/kickoff.h"
#include "views/layout.h"
#include "views/pictures.h"
#include "views/team_parts.h"

#include <string>

namespace {

constexpr int kRowHeight = 16;

// The teams that have won the championship before under their present names.
constexpr bool FormerChampion(int team) {
    return team == 2 || team == 4 || team == 7 || team == 10 || team == 12;
}

constexpr const char* kGroupHeadings[4] = {"Group A", "Group B", "Group C", "Group D"};

const char* StageHeading(int match) {
    if (match >= 24 && match <= 27)
        return "Quarter finals";
    if (match == 28 || match == 29)
        return "Semi finals";
    if (match == 30)
        return "Final";
    return nullptr;
}

} // namespace

void DrawTeamPage(TWindow& target, const Tournament& t) {
    TClientDC dc(target);
    const int T = t.TeamToShow;
    if (T < 0 || T >= kTeams)
        return; // only the team commands set it, always to a team

    PrintFramedFlag(dc, T, {32, 20});
    if (FormerChampion(T))
        dc.CopyBitmap(hCUPKLEIN, 0, 10);
    dc.TextOut(80, 20, landnaam[T]);

    dc.SetTextColor(TColor::LtBlue);
    dc.TextOut(20, 70, "First round matches");
    dc.SetTextColor(TColor::Black);
    int y = 86;
    for (int i = 0; i < kMatches; ++i) {
        const Game& g = t.Wedstrijd[i];
        if (g.ploeg1 != T && g.ploeg2 != T)
            continue;
        if (const char* heading = StageHeading(i)) {
            y += kRowHeight;
            dc.SetTextColor(TColor::LtBlue);
            dc.TextOut(20, y, heading);
            dc.SetTextColor(TColor::Black);
            y += kRowHeight;
        }
        dc.SetTextColor(TColor::Black);
        dc.TextOut(20, y, std::to_string(g.datum));
        dc.TextOut(45, y, KickOffText(g.tijd, t.TimeZone));
        dc.SetTextColor(g.ploeg1 == T ? TColor::LtRed : TColor::Black);
        dc.TextOut(90, y, landnaam[g.ploeg1]);
        dc.SetTextColor(TColor::Black);
        dc.TextOut(200, y, "-");
        dc.SetTextColor(g.ploeg2 == T ? TColor::LtRed : TColor::Black);
        dc.TextOut(210, y, landnaam[g.ploeg2]);
        dc.SetTextColor(TColor::Black);
        if (g.gespeeld == 1) {
            dc.TextOut(190, y, std::to_string(g.score1));
            dc.TextOut(310, y, std::to_string(g.score2));
        }
        y += kRowHeight;
    }

    const int group = GroupOf(T);
    const TPoel* groups[4] = {&t.PoelA, &t.PoelB, &t.PoelC, &t.PoelD};
    const TPoel Poel = *groups[group];
    dc.SetTextColor(kGroupColour[group]);
    dc.TextOut(kTeamTableLeft, kTeamTableHeading, kGroupHeadings[group]);
    y = kTeamTableTop;
    for (int j = 0; j < 4; ++j) {
        const int k = Poel[j];
        const TColor colour = k == T ? TColor::LtRed : TColor::Black;
        PrintTeamRow(dc, kTeamTableLeft, y, k, t.Ploeg[k], colour, colour);
        y += kTableRowHeight;
    }

    dc.SetTextColor(TColor::LtBlue);
    dc.TextOut(160, 20, "Previous best:");
    dc.SetTextColor(TColor::Black);
    dc.TextOut(260, 20, ToerBest[T]);
    dc.SetTextColor(TColor::LtBlue);
    dc.TextOut(160, 38, "Qualified as:");
    dc.SetTextColor(TColor::Black);
    dc.TextOut(260, 38, Qualif[T]);
}

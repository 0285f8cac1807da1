// SPDX-License-Identifier: GPL-3.0-or-later
// A team's group table row and its framed flag, at the offsets the standings and the
// team page share.
#include "views/team_parts.h"

#include "views/goal_text.h"
#include "views/pictures.h"

#include <string>

namespace {

// Offsets of a group table's columns from the team's name.
struct RowColumns {
    int played, won, drawn, lost, points, goals;
};
constexpr RowColumns kRow{100, 120, 140, 160, 180, 200};

constexpr int kFlagFrame = 2;
constexpr int kFlagWidth = 40;
constexpr int kFlagHeight = 30;

} // namespace

void PrintTeamRow(TClientDC& dc, int x, int y, int team, const Team& stats, TColor main,
                  TColor detail) {
    dc.SetTextColor(main);
    dc.TextOut(x, y, landnaam[team]);
    dc.TextOut(x + kRow.played, y, std::to_string(stats.gespeeld));
    dc.SetTextColor(detail);
    dc.TextOut(x + kRow.won, y, std::to_string(stats.gewonnen));
    dc.TextOut(x + kRow.drawn, y, std::to_string(stats.gelijk));
    dc.TextOut(x + kRow.lost, y, std::to_string(stats.verloren));
    dc.SetTextColor(main);
    dc.TextOut(x + kRow.points, y, std::to_string(stats.punten));
    dc.TextOut(x + kRow.goals, y, GoalText(stats));
}

void PrintFramedFlag(TClientDC& dc, int team, TPoint at) {
    dc.SelectObject(TPen{TColor::LtGray, 1});
    dc.SelectObject(TBrush{TColor::LtGray});
    dc.Rectangle(at.x - kFlagFrame, at.y - kFlagFrame, at.x + kFlagWidth + kFlagFrame,
                 at.y + kFlagHeight + kFlagFrame);
    dc.CopyBitmap(hVlag[team], at.x, at.y);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The standings view: the four group tables, the knock-out tree with its lines, and the
// champion's panel once the final is played.
#include "engine/knockout.h"
#include "views/colours.h"
#include "views/draw.h"
#include "views/layout.h"
#include "views/pictures.h"
#include "views/team_parts.h"

#include <initializer_list>

namespace {

// Where a knock-out team stands in the tree: a quarter-finalist is always shown;
// a later slot only once the match that feeds it has been played.
struct TreeSlot {
    int x, y;
    int match;
    bool first; // ploeg1 or ploeg2
    TColor colour;
    int feeder; // match that must be played first, or -1
};

constexpr TreeSlot kQuarterFinalists[] = {
    {10, 240, 24, true, TColor::LtRed, -1},   {10, 260, 24, false, kOlive, -1},
    {10, 300, 26, true, TColor::LtBlue, -1},  {10, 320, 26, false, kGreen, -1},
    {520, 240, 25, true, TColor::LtRed, -1},  {520, 260, 25, false, kOlive, -1},
    {520, 300, 27, true, TColor::LtBlue, -1}, {520, 320, 27, false, kGreen, -1},
};

constexpr TreeSlot kLaterRounds[] = {
    {140, 270, 29, true, TColor::Black, 24}, {140, 290, 29, false, TColor::Black, 26},
    {400, 270, 28, true, TColor::Black, 25}, {400, 290, 28, false, TColor::Black, 27},
    {220, 320, 30, true, TColor::Black, 29}, {340, 320, 30, false, TColor::Black, 28},
};

void Polyline(TClientDC& dc, std::initializer_list<TPoint> points) {
    const TPoint* p = points.begin();
    dc.MoveTo(p->x, p->y);
    for (++p; p != points.end(); ++p)
        dc.LineTo(p->x, p->y);
}

} // namespace

void DrawStandings(TWindow& target, const Tournament& t) {
    TClientDC dc(target);
    const TPoel* groups[4] = {&t.PoelA, &t.PoelB, &t.PoelC, &t.PoelD};
    for (int group = 0; group < 4; ++group) {
        const GroupTable& table = kGroupTables[group];
        const TPoel Poel = *groups[group];
        dc.SetTextColor(kGroupColour[group]);
        dc.TextOut(table.px, table.py, table.heading);
        for (int r = 0; r < 4; ++r)
            PrintTeamRow(dc, table.px, table.py + kTableRowHeight * (r + 1), Poel[r],
                         t.Ploeg[Poel[r]], TColor::Black, TColor::Gray);
    }

    dc.SetTextColor(TColor::Gray);
    dc.TextOut(10, 210, "quarterfinals");
    dc.TextOut(140, 210, "semifinales");
    dc.TextOut(310, 210, "final");
    dc.TextOut(400, 210, "semifinales");
    dc.TextOut(520, 210, "quarterfinales");

    Polyline(dc, {{10, 258}, {130, 258}, {130, 318}, {10, 318}});
    Polyline(dc, {{130, 288}, {250, 288}, {250, 308}});
    Polyline(dc, {{630, 258}, {510, 258}, {510, 318}, {630, 318}});
    Polyline(dc, {{510, 288}, {390, 288}, {390, 308}});

    dc.SelectObject(TPen{TColor::Black, 1});
    dc.SelectObject(TBrush{kDarkYellow});
    dc.Rectangle(200, 308, 450, 348);
    dc.SelectObject(TBrush{TColor::White});
    dc.Rectangle(210, 318, 320, 338);
    dc.Rectangle(330, 318, 440, 338);

    auto drawSlot = [&](const TreeSlot& slot) {
        const Game& g = t.Wedstrijd[slot.match];
        dc.SetTextColor(slot.colour);
        dc.TextOut(slot.x, slot.y, landnaam[slot.first ? g.ploeg1 : g.ploeg2]);
    };
    for (const TreeSlot& slot : kQuarterFinalists)
        drawSlot(slot);
    dc.SetTextColor(TColor::Black);
    for (const TreeSlot& slot : kLaterRounds)
        if (t.Wedstrijd[slot.feeder].gespeeld == 1)
            drawSlot(slot);

    const Game& final = t.Wedstrijd[kFinal];
    if (final.gespeeld == 1)
        DrawChampion(target, KnockOutWinner(final));
}

void DrawChampion(TWindow& target, int T) {
    if (T < 0 || T >= kTeams)
        return; // only a known team can have won the final
    TClientDC dc(target);
    dc.SelectObject(TPen{TColor::White, 1});
    dc.SelectObject(TBrush{TColor::White});
    dc.Rectangle(kChampionBox.left, kChampionBox.top, kChampionBox.right, kChampionBox.bottom);
    dc.SelectObject(TPen{TColor::Black, 1});
    dc.Rectangle(160, 50, 490, 260);

    dc.TextOut(310, 60, "European Champion 1996");
    dc.TextOut(350, 170, landnaam[T]);
    dc.CopyBitmap(hUEFACUP, 190, 60);

    PrintFramedFlag(dc, T, {350, 130});
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The map view: the stadium map with a line from each city to its stadium's name, and
// each group's flags in a grey frame.
#include "views/colours.h"
#include "views/draw.h"
#include "views/pictures.h"

namespace {

// A stadium's marker: a line from its city on the map to its label.
struct StadiumLabel {
    int stadium;
    TPoint city;
    TPoint lineEnd;
    TPoint text;
};

constexpr StadiumLabel kLabels[] = {
    {4, {350, 211}, {200, 110}, {50, 100}},  {5, {341, 212}, {200, 160}, {50, 150}},
    {7, {366, 227}, {200, 210}, {50, 200}},  {1, {358, 243}, {200, 260}, {50, 250}},
    {3, {364, 169}, {450, 110}, {450, 100}}, {2, {363, 203}, {450, 160}, {450, 150}},
    {6, {368, 214}, {450, 210}, {450, 200}}, {0, {393, 271}, {450, 260}, {450, 250}},
};

constexpr TRect kFlagFrames[4] = {
    {48, 28, 218, 62},
    {422, 28, 592, 62},
    {48, 298, 218, 332},
    {422, 298, 592, 332},
};

constexpr int kFlagStep = 42;

} // namespace

void DrawMapView(TWindow& target) {
    TClientDC dc(target);
    DrawMap(target);

    for (const StadiumLabel& label : kLabels) {
        dc.MoveTo(label.city.x, label.city.y);
        dc.LineTo(label.lineEnd.x, label.lineEnd.y);
        dc.TextOut(label.text.x, label.text.y, stadion[label.stadium]);
    }

    dc.SelectObject(TPen{TColor::LtGray, 1});
    dc.SelectObject(TBrush{TColor::LtGray});
    for (const TRect& frame : kFlagFrames)
        dc.Rectangle(frame.left, frame.top, frame.right, frame.bottom);

    for (int i = 0; i < kTeams; ++i) {
        const int g = GroupOf(i);
        const int xoff = g % 2 == 0 ? 50 : 424;
        const int yoff = g < 2 ? 30 : 300;
        dc.CopyBitmap(hVlag[i], xoff + (i % 4) * kFlagStep, yoff);
    }
}

void DrawMap(TWindow& target) {
    TClientDC dc(target);
    dc.CopyBitmap(hUKMap, 195, 50);
}

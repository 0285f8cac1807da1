// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the match line under a point and a match line's clickable band, from the same
// layout table the schedule is drawn from.
#include "views/schedule_hit_test.h"

#include "views/schedule_layout.h"

namespace {

// A knock-out line's click band ends here, short of the canvas's right edge (720).
constexpr int kRightEdge = 640;

} // namespace

int MatchAt(TPoint pt) {
    using L = ScheduleLayout;
    if (pt.y < 0)
        return -1; // above the client area; truncating division would give band 0
    const int band = pt.y / L::kLineHeight;
    // Only the right column holds knock-out lines: a click far down the empty left
    // column must not open the match whose line stands in that band on the right.
    if (pt.x > L::kRightColumn)
        return L::RightColumnMatch(band);
    return band < L::kLeftColumnBands ? band : -1;
}

TRect MatchLineArea(int match) {
    using L = ScheduleLayout;
    if (match < 0 || match >= kMatches)
        return {};
    const TPoint origin = L::LineOrigin(match);
    // A click on the column's own edge x = kRightColumn still counts as the left column.
    const int left = match < kGroupMatches ? L::kLeftColumn : L::kRightColumn + 1;
    const int right = match < kGroupMatches ? L::kRightColumn + 1 : kRightEdge;
    return {left, origin.y, right, origin.y + L::kLineHeight};
}

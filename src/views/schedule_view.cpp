// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule view: the group matches on the left, the knock-out rounds on the right,
// and the hint to click a match.
#include "views/draw.h"
#include "views/schedule_layout.h"

void DrawSchedule(TWindow& target, const Tournament& t) {
    using L = ScheduleLayout;
    TClientDC dc(target);
    DrawEmblem(target);
    const auto line = [&](int i) {
        const TPoint at = L::LineOrigin(i);
        DrawMatchLine(target, t, i, at.x, at.y);
    };

    for (int i = 0; i < kGroupMatches; ++i)
        line(i);
    for (const L::Round& round : L::kRounds) {
        dc.TextOut(L::kRightColumn, L::kLineHeight * round.headingBand, round.heading);
        for (int i = round.firstMatch; i <= round.lastMatch; ++i)
            line(i);
    }

    const TRect box = L::kHintBox;
    dc.Rectangle(box.left, box.top, box.right, box.bottom);
    dc.SetTextColor(TColor::LtBlue);
    dc.TextOut(L::kHintText.x, L::kHintText.y, L::kHint);
}

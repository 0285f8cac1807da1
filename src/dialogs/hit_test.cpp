#include "dialogs/hit_test.h"

#include "views/schedule_layout.h"

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

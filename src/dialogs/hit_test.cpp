#include "dialogs/hit_test.h"

namespace {

constexpr int kLineHeight = 15;
constexpr int kRightColumn = 340;
constexpr int kRightRowOffset = 40; // right-column rows count from 40

} // namespace

int MatchAt(TPoint pt) {
    if (pt.y < 0)
        return -1; // above the client area; truncating division would give row 0
    int i = pt.y / kLineHeight;
    // Only the right column holds knock-out lines: a click far down the empty left
    // column (rows 41 to 51) must not open the match those rows stand for on the right.
    if (pt.x > kRightColumn) {
        i += kRightRowOffset;
        if (i >= 41 && i <= 44)
            i -= 17; // quarter-finals 24..27
        if (i >= 47 && i <= 48)
            i -= 19; // semi-finals 28, 29
        if (i == 51)
            i = 30; // the final
    }
    return i >= 0 && i <= 30 ? i : -1;
}

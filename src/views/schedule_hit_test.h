// SPDX-License-Identifier: GPL-3.0-or-later
// Where the schedule's match lines are, for clicks and for screen readers.
#pragma once

#include "platform/color.h"

// The match whose line in the schedule holds the client point, or -1 for none.
// The bands are those of ScheduleLayout, the table the schedule view draws from.
int MatchAt(TPoint pt);

// Where a match's line is drawn, as the band of the schedule whose clicks open it, so
// a click at its centre opens that match. Empty for a number that is no match.
TRect MatchLineArea(int match);

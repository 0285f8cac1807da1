#pragma once

#include "platform/color.h"

// The match whose line in the schedule holds the client point, or -1 for none.
// The bands are those of ScheduleLayout, the table the schedule view draws from.
int MatchAt(TPoint pt);

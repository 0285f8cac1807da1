#pragma once

#include "platform/color.h"

// The match whose line in the schedule holds the client point, or -1 for none.
// Every line owns the 15-pixel band from its top down; the right column starts
// right of x = 340.
int MatchAt(TPoint pt);

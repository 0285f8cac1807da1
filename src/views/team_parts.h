// SPDX-License-Identifier: GPL-3.0-or-later
// What the standings and the team page both draw of a team.
#pragma once

#include "data/tournament.h"
#include "platform/gdi.h"

// A group table's line: name, then played, won, drawn, lost, points and goals at
// fixed offsets from x. Won, drawn and lost wear `detail`, the rest `main`.
void PrintTeamRow(TClientDC& dc, int x, int y, int team, const Team& stats, TColor main,
                  TColor detail);

// A team's flag with its top-left corner at `at`, in a light grey frame two pixels
// wide. Leaves the surface's pen and brush light grey.
void PrintFramedFlag(TClientDC& dc, int team, TPoint at);

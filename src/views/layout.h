// SPDX-License-Identifier: GPL-3.0-or-later
// Places shared by the views that draw them and the description a screen reader gets.
#pragma once

#include "platform/color.h"

// The four group tables of the standings: heading at the corner, a row per team below.
struct GroupTable {
    int px, py;
    const char* heading;
};

inline constexpr GroupTable kGroupTables[4] = {
    {10, 10, "Group A"},
    {370, 10, "Group B"},
    {10, 110, "Group C"},
    {370, 110, "Group D"},
};

// Rows of the group tables, in the standings and on a team page.
inline constexpr int kTableRowHeight = 16;

// The white box the champion's trophy, flag and name stand in, over the standings.
inline constexpr TRect kChampionBox{155, 45, 495, 265};

// A team page's group table: its heading, then the team rows from kTeamTableTop down.
inline constexpr int kTeamTableLeft = 340;
inline constexpr int kTeamTableHeading = 70;
inline constexpr int kTeamTableTop = 86;

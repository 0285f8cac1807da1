// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/tables.h"

#include <array>

// Each team's strength on the eve of the tournament, by team index: a rating computed with
// the World Football Elo method from the public record of international results, every
// match of these sixteen teams from 1 January 1970 to 7 June 1996 (docs/chances.md says
// how, from which record, and what it leaves out). The chances are simulated from them.
inline constexpr std::array<int, kTeams> kEloJune1996{
    1674, // England
    1613, // Switzerland
    1724, // Netherlands
    1602, // Scotland
    1808, // Spain
    1648, // Bulgaria
    1690, // Romania
    1783, // France
    1836, // Germany
    1721, // Czech Republic
    1796, // Italy
    1748, // Russia
    1778, // Denmark
    1718, // Portugal
    1580, // Turkey
    1675, // Croatia
};

// The team that plays at home: every England match is at Wembley.
inline constexpr int kHostTeam = 0;

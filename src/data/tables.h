// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

inline constexpr int kTeams = 16;
inline constexpr int kNoTeam = 16; // a knock-out team not yet known
inline constexpr int kMatches = 31;
inline constexpr int kGroupMatches = 24;
inline constexpr int kFinal = 30;
inline constexpr int kStadiums = 8;

// Team names by team index; index 16 is the empty name of a team not yet known.
// The spellings are the program's own and appear on screen as they stand.
extern const std::array<std::string_view, kTeams + 1> landnaam;
// How each team qualified, by team index.
extern const std::array<std::string_view, kTeams> Qualif;
// Each team's best result in earlier tournaments, by team index.
extern const std::array<std::string_view, kTeams> ToerBest;
// Stadium names by stadium index.
extern const std::array<std::string_view, kStadiums> stadion;

// One row of the fixed schedule.
struct ScheduleRow {
    int datum;   // day of June 1996
    int tijd;    // kick-off, UTC, hours * 100 + minutes
    int stadion; // stadium index
    int ploeg1;  // team indices; 16 for knock-out matches
    int ploeg2;
};

// The 31 matches; the row number is the match index.
extern const std::array<ScheduleRow, kMatches> schema;

// The group of a team index: 0 = A to 3 = D.
constexpr int GroupOf(int team) { return team / 4; }

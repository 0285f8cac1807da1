// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/tables.h"

const std::array<std::string_view, kTeams + 1> landnaam = {
    "England", "Switzerland", "Netherlands", "Scotland",   "Spain", "Bulgaria",
    "Romenia", "France",      "Germany",     "Czech Rep.", "Italy", "Russia",
    "Danmark", "Portugal",    "Turkey",      "Croatia",    "",
};

const std::array<std::string_view, kTeams> Qualif = {
    "host country",
    "1st group 3 (8 5 2 1 17 [15-7])",
    "2nd group 5 (10 6 2 2 20 [23-5]), won play-off vs. Ireland",
    "2nd group 8 (10 7 2 1 23 [19-3])",
    "1st group 2 (10 8 2 0 26 [25-4]), qualified winning 8 in a row",
    "2nd group 7 (10 7 1 2 22 [24-10])",
    "1st group 1 (10 6 3 1 21 [18-9])",
    "2nd group 1 (10 5 5 0 20 [22-2]), least goals against in qualification",
    "1st group 7 (10 8 1 1 25 [27-10])",
    "1st group 5 (10 6 3 1 21 [21-6])",
    "2nd group 4 (10 7 2 1 23 [20-6])",
    "1st group 8 (10 8 2 0 26 [34-5]), best qualifier, scored most goals in qfctn",
    "2nd group 2 (10 6 3 1 21 [19-9])",
    "1st group 6 (10 7 2 1 23 [29-7])",
    "2nd group 3 (8 4 3 1 15 [16-8])",
    "1st group 4 (10 7 2 1 23 [22-5])",
};

const std::array<std::string_view, kTeams> ToerBest = {
    "quarterfinalist 1968",
    "first round 1964",
    "winner 1988",
    "quarterfinalist 1992",
    "winner 1964",
    "quarterfinalist 1968",
    "quarterfinalist 1960, 1972, 1984",
    "winner 1984",
    "finalist 1992 (West-Germany won 1972, 1980)",
    "debut (Czechoslovakia won 1976)",
    "winner 1968",
    "quarterfinalist 1992 (Soviet Union won 1960)",
    "winner 1992",
    "semi finalist 1984",
    "first round 1960, 1964",
    "debut",
};

const std::array<std::string_view, kStadiums> stadion = {
    "Wembley, Londen",           "Villa Park, Birmingham",   "Elland Road, Leeds",
    "St. James Park, Newcastle", "Old Tratford, Manchester", "Anfield Road, Liverpool",
    "Hillsborough, Sheffield",   "City Ground, Nottingham",
};

// clang-format off
const std::array<ScheduleRow, kMatches> schema = {{
    // datum, tijd, stadion, ploeg1, ploeg2
    { 8, 1400, 0,  0,  1},  // 0
    { 9, 1330, 2,  4,  5},  // 1
    { 9, 1600, 4,  8,  9},  // 2
    { 9, 1830, 6, 12, 13},  // 3
    {10, 1530, 1,  2,  3},  // 4
    {10, 1830, 3,  6,  7},  // 5
    {11, 1530, 5, 10, 11},  // 6
    {11, 1830, 7, 14, 15},  // 7
    {13, 1530, 3,  5,  6},  // 8
    {13, 1830, 1,  1,  2},  // 9
    {14, 1530, 7, 13, 14},  // 10
    {14, 1830, 5,  9, 10},  // 11
    {15, 1415, 0,  3,  0},  // 12
    {15, 1700, 2,  7,  4},  // 13
    {16, 1400, 4, 11,  8},  // 14
    {16, 1700, 6, 15, 12},  // 15
    {18, 1530, 3,  7,  5},  // 16
    {18, 1530, 2,  6,  4},  // 17
    {18, 1830, 1,  3,  1},  // 18
    {18, 1830, 0,  2,  0},  // 19
    {19, 1530, 7, 15, 13},  // 20
    {19, 1530, 6, 14, 12},  // 21
    {19, 1830, 5, 11,  9},  // 22
    {19, 1830, 4, 10,  8},  // 23
    {22, 1400, 0, 16, 16},  // 24
    {22, 1730, 5, 16, 16},  // 25
    {23, 1400, 4, 16, 16},  // 26
    {23, 1730, 1, 16, 16},  // 27
    {26, 1500, 4, 16, 16},  // 28
    {26, 1830, 0, 16, 16},  // 29
    {30, 1800, 0, 16, 16},  // 30
}};
// clang-format on

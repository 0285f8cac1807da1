// SPDX-License-Identifier: GPL-3.0-or-later
// How many goals a team scores against another in a simulated match: a Poisson number
// whose mean follows the two teams' ratings (docs/chances.md gives the model's source and
// how its two numbers were chosen).
#pragma once

#include "data/tables.h"

#include <array>
#include <cstdint>

// The mean number of goals of a team against an equal one.
inline constexpr double kMeanGoals = 1.25;
// Rating points for a tenfold ratio of the two teams' mean goals; with the mean above it
// gives the win expectancy of the ratings' own formula to within 0.011 up to 400 points.
inline constexpr double kRatingPointsPerDecade = 1020.0;
// What playing at home is worth, in rating points.
inline constexpr int kHomeAdvantage = 100;
// No simulated team scores more; the Poisson tail beyond is counted as this many goals.
inline constexpr int kMostGoals = 16;

// The mean goals of `team` against `opponent`, with the host's home advantage.
double MeanGoals(int team, int opponent);

class GoalModel {
  public:
    GoalModel();

    // Goals of `team` against `opponent` for a uniform 32-bit number: the number of
    // thresholds it reaches. Counted over all of them, without an early exit, so that the
    // compiler compares them side by side and no branch is mispredicted.
    int Goals(int team, int opponent, std::uint32_t uniform) const {
        const auto& below = tables_[team][opponent];
        int goals = 0;
        for (const std::uint32_t threshold : below)
            goals += uniform >= threshold;
        return goals;
    }

  private:
    // below[k]: the chance of at most k goals, as a fraction of 2^32.
    using Table = std::array<std::uint32_t, kMostGoals>;
    std::array<std::array<Table, kTeams>, kTeams> tables_{};
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "chances/goal_model.h"

#include "data/ratings.h"

#include <cmath>

double MeanGoals(int team, int opponent) {
    auto strength = [](int t) { return kEloJune1996[t] + (t == kHostTeam ? kHomeAdvantage : 0); };
    const double difference = strength(team) - strength(opponent);
    return kMeanGoals * std::pow(10.0, difference / kRatingPointsPerDecade);
}

GoalModel::GoalModel() {
    constexpr double kScale = 4294967296.0; // 2^32
    for (int team = 0; team < kTeams; ++team) {
        for (int opponent = 0; opponent < kTeams; ++opponent) {
            const double mean = MeanGoals(team, opponent);
            double chance = std::exp(-mean);
            double atMost = 0;
            Table& below = tables_[team][opponent];
            for (int k = 0; k < kMostGoals; ++k) {
                atMost += chance;
                chance *= mean / (k + 1);
                below[k] = static_cast<std::uint32_t>(std::fmin(atMost * kScale, kScale - 1));
            }
        }
    }
}

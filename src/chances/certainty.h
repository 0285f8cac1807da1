// SPDX-License-Identifier: GPL-3.0-or-later
// Which stages a team is sure to reach, or sure to miss, whatever the matches without a
// result bring. Decided from the rules, never from sampling.
#pragma once

#include "chances/simulation.h"

#include <array>
#include <cstdint>

enum class Certainty : std::uint8_t {
    Open,
    Sure,
    Never
};

using Certainties = std::array<std::array<Certainty, kStages>, kTeams>;

// Certainty covers every result of the matches left with at most kMostGoals goals a side.
// Within that bound, while each team's goal difference stays within -49..49 and its goals
// within 0..99, the group tables order teams by points first, so a group's places follow
// from the win, draw or loss of each match left (at most 3^6 = 729 cases a group); teams
// level on points may end in any order among themselves. A group whose entered results
// could take a team outside those ranges is left open until it is complete.
Certainties DecideCertainties(const Games& entered);

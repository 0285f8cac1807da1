// SPDX-License-Identifier: GPL-3.0-or-later
// A team's goal difference and goals as its group table row shows them.
#pragma once

#include "data/game.h"

#include <string>

// "+3 (4-1)", "+0 (0-0)", or " -2 (1-3)" with a leading blank for a negative
// goal difference.
std::string GoalText(const Team& team);

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the goal difference in 64 bits, since two 32-bit goal counts may differ by more.
#include "views/goal_text.h"

#include <cstdio>

std::string GoalText(const Team& team) {
    // In 64 bits: the difference of two 32-bit counts may not fit in 32.
    const long long d = static_cast<long long>(team.voor) - team.tegen;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, d < 0 ? " %lld (%d-%d)" : "+%lld (%d-%d)", d,
                  static_cast<int>(team.voor), static_cast<int>(team.tegen));
    return buffer;
}

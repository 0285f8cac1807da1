// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// One match: its schedule, its teams and its entered result.
struct Game {
    std::int32_t datum = 0;
    std::int32_t tijd = 0;
    std::int32_t stadion = 0;
    std::int32_t ploeg1 = 0;
    std::int32_t ploeg2 = 0;
    std::int32_t score1 = 0;
    std::int32_t score2 = 0;
    std::int32_t gespeeld = 0; // exactly 1 means the match has a result

    friend bool operator==(const Game&, const Game&) = default;
};

// One team's group-stage figures, recomputed from the results at every paint.
struct Team {
    Team() = default;
    std::int32_t gespeeld = 0;
    std::int32_t gewonnen = 0;
    std::int32_t gelijk = 0;
    std::int32_t verloren = 0;
    std::int32_t punten = 0;
    std::int32_t voor = 0;
    std::int32_t tegen = 0;
};

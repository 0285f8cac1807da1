// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/game.h"
#include "data/tables.h"

#include <array>
#include <cstdint>

// A group's teams by team index, in table order once the standings are computed.
using TPoel = std::array<std::int32_t, 4>;
using Games = std::array<Game, kMatches>;
using Teams = std::array<Team, kTeams>;

inline constexpr int kGroups = 4;

// The views, as SchermType holds them.
inline constexpr int kStandingsView = 0;
inline constexpr int kScheduleView = 1;
inline constexpr int kMapView = 2;
inline constexpr int kTeamView = 3;

// The whole tournament as a plain value: the matches with their results, the figures and
// group orders computed from them, and the settings that change what is shown. The main
// window holds one; export, the screen reader, the text summary and the chances take copies.
struct Tournament {
    // The schedule with no result entered.
    Tournament();

    Games Wedstrijd{};
    Teams Ploeg{};
    TPoel PoelA{0, 1, 2, 3};
    TPoel PoelB{4, 5, 6, 7};
    TPoel PoelC{8, 9, 10, 11};
    TPoel PoelD{12, 13, 14, 15};
    std::int32_t ShowTieBreaker = 0;
    std::int32_t TeamToShow = 0;
    std::int32_t SchermType = kStandingsView;
    std::int32_t TimeZone = 200;

    std::array<TPoel, kGroups> Groups() const { return {PoelA, PoelB, PoelC, PoelD}; }
    void SetGroups(const std::array<TPoel, kGroups>& groups);
};

// The schedule's 31 matches with no result entered.
Games ScheduledGames();

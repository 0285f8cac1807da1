// SPDX-License-Identifier: GPL-3.0-or-later
// Plays every match without a result many times with the program's own engine, and counts
// how far each team gets.
#pragma once

#include "data/tournament.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

// How far a team gets, one column of the chances each.
enum Stage {
    kGroupWinner,
    kGroupRunnerUp,
    kQuarterFinal,
    kSemiFinal,
    kFinalist,
    kChampion,
    kStages
};

struct ChancesCounts {
    std::uint64_t runs = 0;
    // reached[team][stage]: in how many runs the team got there.
    std::array<std::array<std::uint64_t, kStages>, kTeams> reached{};
};

struct SimulationSettings {
    std::uint64_t runs = 1'000'000;
    std::uint64_t seed = 1996;
    // 0: one per processor.
    int threads = 0;
};

// Tournaments are played in blocks of this many, each block from its own random stream
// made from the seed and the block's number, so the counts for a seed are the same
// whatever the number of threads that share the blocks.
inline constexpr std::uint64_t kRunsPerBlock = 4096;

// The counts over `settings.runs` tournaments that start from the results entered; nothing
// when `cancel` was set before the end.
std::optional<ChancesCounts> SimulateChances(const Games& entered,
                                             const SimulationSettings& settings,
                                             const std::atomic<bool>* cancel = nullptr);

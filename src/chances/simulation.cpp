// SPDX-License-Identifier: GPL-3.0-or-later
#include "chances/simulation.h"

#include "chances/goal_model.h"
#include "chances/random.h"
#include "engine/knockout.h"
#include "engine/standings.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace {

// What every run starts from: the results entered and the matches left to play.
struct StartingPoint {
    Games games{};
    Teams figures{}; // of the results entered
    std::array<int, kGroupMatches> groupMatchesLeft{};
    int groupMatchesLeftCount = 0;
};

StartingPoint Start(const Games& entered) {
    StartingPoint start;
    start.games = entered;
    start.figures = TeamFigures(entered);
    for (int m = 0; m < kGroupMatches; ++m)
        if (entered[m].gespeeld != 1)
            start.groupMatchesLeft[start.groupMatchesLeftCount++] = m;
    return start;
}

void Play(Game& g, const GoalModel& model, RandomStream& random) {
    const std::uint64_t draw = random.Next();
    g.score1 = model.Goals(g.ploeg1, g.ploeg2, static_cast<std::uint32_t>(draw));
    g.score2 = model.Goals(g.ploeg2, g.ploeg1, static_cast<std::uint32_t>(draw >> 32));
    g.gespeeld = 1;
}

// One tournament from the starting point, counted into `counts`. `games` starts as the
// starting point's and is only ever written where a run plays or pairs a match, so it
// serves run after run without being copied.
void PlayTournament(const StartingPoint& start, const GoalModel& model, RandomStream& random,
                    Games& games, ChancesCounts& counts) {
    Teams teams = start.figures;
    for (int i = 0; i < start.groupMatchesLeftCount; ++i) {
        Game& g = games[start.groupMatchesLeft[i]];
        Play(g, model, random);
        CountResult(teams, g);
    }

    const std::array<TPoel, kGroups> groups = SortedGroups(teams, games, nullptr);
    for (const TPoel& group : groups) {
        counts.reached[group[0]][kGroupWinner] += 1;
        counts.reached[group[1]][kGroupRunnerUp] += 1;
    }

    // Knock-out matches in order, each once the matches it takes its teams from are played.
    for (int m = kGroupMatches; m < kMatches; ++m) {
        const KnockOutSlot& slot = kKnockOutSlots[m - kGroupMatches];
        Game& g = games[m];
        g.ploeg1 = KnockOutTeam(groups, games, slot.first);
        g.ploeg2 = KnockOutTeam(groups, games, slot.second);
        if (start.games[m].gespeeld != 1) {
            Play(g, model, random);
            // A shoot-out, won at random, counts as one goal more for its winner.
            if (g.score1 == g.score2)
                (random.Next() & 1 ? g.score1 : g.score2) += 1;
        }
        const Stage stage = m == kFinal ? kFinalist : m >= 28 ? kSemiFinal : kQuarterFinal;
        counts.reached[g.ploeg1][stage] += 1;
        counts.reached[g.ploeg2][stage] += 1;
    }
    counts.reached[KnockOutWinner(games[kFinal])][kChampion] += 1;
    counts.runs += 1;
}

std::uint64_t BlockSeed(std::uint64_t seed, std::uint64_t block) {
    std::uint64_t state = seed ^ (block * 0xd1b54a32d192ed03ULL);
    return SplitMix64(state);
}

} // namespace

std::optional<ChancesCounts> SimulateChances(const Games& entered,
                                             const SimulationSettings& settings,
                                             const std::atomic<bool>* cancel) {
    const StartingPoint start = Start(entered);
    const GoalModel model;
    const std::uint64_t blocks = (settings.runs + kRunsPerBlock - 1) / kRunsPerBlock;
    std::atomic<std::uint64_t> nextBlock{0};

    auto work = [&](ChancesCounts& result) {
        // Counted apart from the other threads, so that no two write the same cache line.
        ChancesCounts counts;
        Games games = start.games;
        for (;;) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed))
                break;
            const std::uint64_t block = nextBlock.fetch_add(1, std::memory_order_relaxed);
            if (block >= blocks)
                break;
            RandomStream random(BlockSeed(settings.seed, block));
            const std::uint64_t runs =
                std::min(kRunsPerBlock, settings.runs - block * kRunsPerBlock);
            for (std::uint64_t r = 0; r < runs; ++r)
                PlayTournament(start, model, random, games, counts);
        }
        result = counts;
    };

    const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    const std::uint64_t wanted =
        settings.threads > 0 ? static_cast<unsigned>(settings.threads) : processors;
    const std::size_t threads =
        static_cast<std::size_t>(std::clamp<std::uint64_t>(std::min(wanted, blocks), 1, 256));
    std::vector<ChancesCounts> perThread(threads);
    {
        std::vector<std::jthread> helpers;
        for (std::size_t i = 1; i < threads; ++i)
            helpers.emplace_back([&, i] { work(perThread[i]); });
        work(perThread[0]);
    }
    if (cancel != nullptr && cancel->load())
        return std::nullopt;

    ChancesCounts total;
    for (const ChancesCounts& part : perThread) {
        total.runs += part.runs;
        for (int t = 0; t < kTeams; ++t)
            for (int s = 0; s < kStages; ++s)
                total.reached[t][s] += part.reached[t][s];
    }
    return total;
}

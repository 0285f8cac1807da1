// SPDX-License-Identifier: GPL-3.0-or-later
// The standings computation alone: every view but the map runs it on every render.
#include "tournaments.h"

#include "app/window/draw_window.h"

#include <benchmark/benchmark.h>

namespace {

bool Level(const TDrawWindow& window, const TPoel& group, int first, int count) {
    for (int i = first + 1; i < first + count; ++i)
        if (window.Ploeg[group[i]].punten != window.Ploeg[group[first]].punten)
            return false;
    return true;
}

// The tied tournament must keep its ties, or the tie-breaker would not be measured.
bool TiesAsIntended(const TDrawWindow& window) {
    return Level(window, window.PoelA, 0, 3) && !Level(window, window.PoelA, 0, 4) &&
           Level(window, window.PoelB, 0, 4) && Level(window, window.PoelC, 0, 4) &&
           Level(window, window.PoelD, 0, 2) && !Level(window, window.PoelD, 0, 3);
}

template <void (*Setup)(TDrawWindow&)> void BM_BerekenStand(benchmark::State& state) {
    TDrawWindow window(nullptr);
    Setup(window);
    // The tie-breaker's reports stay off: a box per mutual match would be measured instead.
    window.ShowTieBreaker = 0;
    if (Setup == TiedTournament && !TiesAsIntended(window)) {
        state.SkipWithError("the tied tournament has lost its ties");
        return;
    }
    for (auto _ : state) {
        window.BerekenStand();
        benchmark::DoNotOptimize(window.PoelA);
        benchmark::DoNotOptimize(window.PoelB);
        benchmark::DoNotOptimize(window.PoelC);
        benchmark::DoNotOptimize(window.PoelD);
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_BerekenStand<EmptyTournament>)->Name("BerekenStand/empty");
BENCHMARK(BM_BerekenStand<FullTournament>)->Name("BerekenStand/full");
BENCHMARK(BM_BerekenStand<TiedTournament>)->Name("BerekenStand/ties");

} // namespace

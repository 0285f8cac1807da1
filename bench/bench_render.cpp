// SPDX-License-Identifier: GPL-3.0-or-later
// A full render of each view into the canvas: what every repaint request costs once
// the frame is up. The copy to the screen is measured apart: it happens in the
// widget's paint event, later, and does not depend on the view.
#include "frame.h"
#include "tournaments.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QWidget>

namespace {

struct View {
    int schermType;
    void (*tournament)(TDrawWindow&);
    int team = 0;
};

// France: a former champion (the small cup shows) that played on to the semi-finals.
constexpr int kTeamShown = 7;

void RenderView(benchmark::State& state, View view) {
    BenchFrame frame;
    if (!frame.Shown()) {
        state.SkipWithError("the frame did not show");
        return;
    }
    TDrawWindow& client = frame.Client();
    view.tournament(client);
    client.SchermType = view.schermType;
    client.TeamToShow = view.team;
    // Once outside the measurement: the canvas keeps every text it has drawn, so the
    // first render of a view costs more than the ones after it.
    frame.Render();
    const int before = frame.Window().RenderCount();
    for (auto _ : state)
        frame.Render();
    if (frame.Window().RenderCount() - before != static_cast<int>(state.iterations()))
        state.SkipWithError("a repaint request did not render exactly once");
    QCoreApplication::processEvents();
}

BENCHMARK_CAPTURE(RenderView, standings_empty, View{0, EmptyTournament})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RenderView, standings, View{0, TournamentBeforeTheFinal})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RenderView, standings_champion, View{0, FullTournament})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RenderView, schedule, View{1, FullTournament})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RenderView, map, View{2, FullTournament})->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RenderView, team, View{3, FullTournament, kTeamShown})
    ->Unit(benchmark::kMicrosecond);

// The first render of the standings in a frame just built, before it is shown: every
// text cell is drawn with the font for the first time, as at start-up.
void FirstRender(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto frame = std::make_unique<BenchFrame>(BenchFrame::DoNotShow);
        FullTournament(frame->Client());
        frame->Client().SchermType = 0;
        state.ResumeTiming();
        frame->Render();
        state.PauseTiming();
        if (frame->Window().RenderCount() != 1)
            state.SkipWithError("the first repaint request did not render exactly once");
        frame.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstRender)->Name("RenderView/standings_champion_first")->Unit(benchmark::kMicrosecond);

// The widget's paint event: the canvas copied to the window.
void CopyToScreen(benchmark::State& state) {
    BenchFrame frame;
    if (!frame.Shown()) {
        state.SkipWithError("the frame did not show");
        return;
    }
    QWidget* canvas = frame.Window().Canvas();
    for (auto _ : state)
        canvas->repaint();
}
BENCHMARK(CopyToScreen)->Unit(benchmark::kMicrosecond);

} // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Entering a result: a click on the schedule or the Edit command opens the result
// dialog; an entered result is recorded for undo, said to a listening screen reader and
// redrawn in every view that shows results.
#include "app/window/draw_window.h"
#include "dialogs/number_text.h"
#include "dialogs/result_dlg.h"
#include "dialogs/templates.h"
#include "views/kickoff.h"
#include "views/read_aloud.h"
#include "views/schedule_hit_test.h"

#include <string>
#include <utility>

namespace {

// What the status bar says of an entered result when it is undone or redone.
std::string ResultText(const Game& g) {
    std::string text = "the result " + std::to_string(g.score1) + "-" + std::to_string(g.score2);
    const std::string_view team1 = landnaam[g.ploeg1];
    const std::string_view team2 = landnaam[g.ploeg2];
    if (team1.empty() || team2.empty())
        return text + " of the match of " + std::to_string(g.datum) + " June";
    return text + " of " + std::string(team1) + " - " + std::string(team2);
}

} // namespace

void TDrawWindow::EvLButtonDown(unsigned, TPoint& pt) {
    if (SchermType != kScheduleView)
        return;
    const int i = MatchAt(pt);
    if (i < 0)
        return;
    WedstrijdNummer = i;
    CmEditResult();
    Invalidate();
}

void TDrawWindow::CmEditResult() {
    Game& g = Wedstrijd[WedstrijdNummer];
    ResultDlgTB tb;
    CopyToField(tb.datum, std::to_string(g.datum));
    // Offsets far outside a day give longer texts than the field holds; they are cut.
    CopyToField(tb.tijd, KickOffText(g.tijd, TimeZone));
    CopyToField(tb.stadion, stadion[g.stadion]);
    CopyToField(tb.ploeg1, landnaam[g.ploeg1]);
    CopyToField(tb.ploeg2, landnaam[g.ploeg2]);
    CopyToField(tb.score1, std::to_string(g.score1));
    CopyToField(tb.score2, std::to_string(g.score2));

    int result;
    {
        ResultDlg dialog(&tb, this, kResultDialog);
        result = dialog.Execute();
    }
    if (result == IDCANCEL)
        return;

    ResultHistory::State before = Results();
    const Standings standingsBefore = QuietStandings(State());
    g.score1 = TextToNumber(FieldText(tb.score1));
    g.score2 = TextToNumber(FieldText(tb.score2));
    g.gespeeld = 1;
    Announce(ResultSpoken(WedstrijdNummer, standingsBefore, QuietStandings(State())));
    // The standings, the schedule and the team pages all show results; the map
    // does not. A click in the schedule asks again afterwards, and the two
    // requests fall into one render.
    if (SchermType != kMapView)
        Invalidate();
    if (WedstrijdNummer < kFinal)
        WedstrijdNummer += 1;
    MoetSaven = 1;
    RecordChange(std::move(before), ResultText(g));
    NoteResults();
}

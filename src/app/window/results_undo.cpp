// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of entered results and of Clear all, with a note in the status bar.
#include "app/window/draw_window.h"

#include <string>
#include <utility>

void TDrawWindow::RecordChange(ResultHistory::State before, std::string what) {
    history_.Record({std::move(before), Results(), std::move(what)});
}

void TDrawWindow::CmEditUndo() { PutBack(history_.Undo(), true); }

void TDrawWindow::CmEditRedo() { PutBack(history_.Redo(), false); }

void TDrawWindow::PutBack(const ResultHistory::Step* step, bool undoing) {
    if (!step) {
        ShowStatus(undoing ? "Nothing to undo" : "Nothing to redo");
        return;
    }
    const ResultHistory::State& state = undoing ? step->before : step->after;
    Wedstrijd = state.matches;
    WedstrijdNummer = state.currentMatch;
    MoetSaven = history_.Unsaved() ? 1 : 0;
    // What an end the user did not choose would keep follows the results put back.
    NoteResults();
    // As after entering a result: every view but the map shows results.
    if (SchermType != kMapView)
        Invalidate();
    ShowStatus((undoing ? "Undone: " : "Redone: ") + step->what);
}

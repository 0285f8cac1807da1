// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TDrawWindow;

// The tournament states the benchmarks measure, entered as the result dialog stores
// results. Each starts from the fixed schedule, whatever the window held before.

// No result yet: the state at the first start.
void EmptyTournament(TDrawWindow& window);
// All 31 matches played, the 1996 scores (a knock-out decided on penalties is entered
// as a one-goal win, the only way to send the first team on); one pair level on points
// in groups A and C each.
void FullTournament(TDrawWindow& window);
// As above, the final not yet played: the standings without the champion's panel.
void TournamentBeforeTheFinal(TDrawWindow& window);
// The group stage played with three teams level on points in group A, four in groups
// B and C (with and without decisive mutual matches) and a pair in D: the tie-breaker's
// heaviest work.
void TiedTournament(TDrawWindow& window);

// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament as plain text (korvel --text), for a terminal or a script.
#pragma once

#include "data/tournament.h"

#include <string>

// The tournament as plain text: the four group tables in their order, the knock-out
// matches with their teams and scores, and the champion once the final has a result.
// Computes the standings on its own copy, without a tie-breaker report.
std::string TournamentText(Tournament tournament);

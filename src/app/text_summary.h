// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament as plain text (korvel --text), for a terminal or a script.
#pragma once

#include <string>

class TDrawWindow;

// The tournament as plain text: the four group tables in their order, the knock-out
// matches with their teams and scores, and the champion once the final has a result.
// Computes the standings first, as a view does.
std::string TournamentText(TDrawWindow& window);

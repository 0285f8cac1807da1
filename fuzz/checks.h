// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The invariants that the fuzz targets and the corpus replay in the unit tests
// share. Each check runs one input through the program's own code and returns
// what went wrong, or an empty string when every invariant held. Undefined
// behaviour and memory errors are left to the sanitizers the caller is built with.

#include "platform/color.h"

#include <cstdint>
#include <span>
#include <string>

namespace korvel_checks {

using Bytes = std::span<const std::uint8_t>;

// The bytes as korvel.dat: decoded and encoded directly, then loaded through
// DoFirstTime in a scratch directory and saved again through CmFileSave.
std::string CheckResultsFile(Bytes input);

// Number texts, the free time-zone entry and the result dialog: the text read as
// numbers, typed into the time-zone and result dialogs, and the kick-off text of
// any time and offset cut into the dialog's 6-character field.
std::string CheckTextRules(Bytes input);

// A click position, as MatchAt and as a click in the schedule view.
std::string CheckHitTest(Bytes input);
// One point against the band table; the sweep in the unit tests uses it.
std::string CheckPoint(TPoint pt);

// Any scores and played flags for all 31 matches, with and without the
// tie-breaker reports: the standings, knock-out pairings and the three views
// that compute them.
std::string CheckStandings(Bytes input);

// The kick-off text of one time and offset, read back and cut into a 6-character
// field.
std::string CheckKickOff(std::int32_t tijd, std::int32_t timeZone);

struct Target {
    const char* name;
    std::string (*check)(Bytes);
};

// Every target, by the name of its fuzzer and of its corpus folder.
std::span<const Target> Targets();

} // namespace korvel_checks

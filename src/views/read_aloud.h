// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told of the views, from the same tournament value they draw.
#pragma once

#include "data/tournament.h"
#include "platform/reading.h"

#include <array>
#include <string>

// How the view t shows reads: its lines in reading order, its tables and its tree.
ReadingGuide ReadView(const Tournament& t);
// What a picture shows, or an empty name for a picture that only decorates.
std::string PictureDescription(int resId);

// The standings as computed from the results, for telling a reader what a result
// changed.
struct Standings {
    std::array<TPoel, kGroups> groups;
    Teams teams;
    Games games;
};
// Computes them on a copy, without a tie-breaker report.
Standings QuietStandings(const Tournament& t);
// "England 2, Switzerland 1. Group A: England first with 3 points, ...": the score, then
// the group's teams that played or changed place, or who went through.
std::string ResultSpoken(int match, const Standings& before, const Standings& after);

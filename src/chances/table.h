// SPDX-License-Identifier: GPL-3.0-or-later
// The chances as a table of text: one row a team, one column a stage.
#pragma once

#include "chances/certainty.h"
#include "chances/simulation.h"

#include <array>
#include <string>
#include <string_view>

inline constexpr std::array<std::string_view, kStages> kStageHeadings{
    "First", "Second", "Quarter-final", "Semi-final", "Final", "Champion"};

// The letter of a team's group.
constexpr char GroupLetter(int team) { return "ABCD"[GroupOf(team)]; }

// A chance as shown: "100%" and "0%" only when certain; a sampled chance that rounds to
// either end is "<0.1%" or ">99.9%"; else one decimal.
std::string ChanceText(std::uint64_t count, std::uint64_t runs, Certainty certainty);

// What is sure about a team as a whole: "champion", "out" (it can no longer win the
// title), "through" (to the quarter-finals, not yet out), or nothing.
std::string_view TeamMark(const std::array<Certainty, kStages>& team);

enum class TableFormat {
    Text,
    Csv
};

// The whole table, teams group by group, with a heading line in the text form.
std::string ChancesTable(const ChancesCounts& counts, const Certainties& certainties,
                         TableFormat format);

// The model in one line, as shown under the table.
std::string_view ModelLine();

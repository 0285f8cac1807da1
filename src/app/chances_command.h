// SPDX-License-Identifier: GPL-3.0-or-later
// The chances on the command line (korvel --chances): checking its options and printing
// the table as text or CSV.
#pragma once

#include "data/tournament.h"

#include <optional>
#include <string>
#include <string_view>

struct ChancesOptions {
    // As typed; none for the default (a million runs, seed 1996, text).
    std::optional<std::string> runs;
    std::optional<std::string> seed;
    std::optional<std::string> format;
};

// What is wrong with the options, in the command line's words, or nothing.
std::optional<std::string> ChancesOptionsProblem(const ChancesOptions& options);

// Prints the chances table for the results entered; returns the exit status.
int PrintChances(const Games& entered, const ChancesOptions& options);

// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the number of runs and the seed, simulates the rest of the tournament, and writes
// the table to standard output, reporting a failed write in the exit status.
#include "app/chances_command.h"

#include "chances/certainty.h"
#include "chances/simulation.h"
#include "chances/table.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <iostream>

namespace {

// Enough for a margin of a thousandth of a point, and a few minutes at most.
constexpr std::uint64_t kMostRuns = 1'000'000'000;

std::optional<std::uint64_t> Number(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::string> ChancesOptionsProblem(const ChancesOptions& options) {
    if (options.runs) {
        const auto runs = Number(*options.runs);
        if (!runs || *runs == 0 || *runs > kMostRuns)
            return "--runs takes a number of tournaments from 1 to 1000000000, not '" +
                   *options.runs + "'";
    }
    if (options.seed && !Number(*options.seed))
        return "--seed takes a whole number from 0 to 18446744073709551615, not '" + *options.seed +
               "'";
    if (options.format && options.format != "text" && options.format != "csv")
        return "--format takes text or csv, not '" + *options.format + "'";
    return std::nullopt;
}

int PrintChances(const Games& entered, const ChancesOptions& options) {
    SimulationSettings settings;
    if (options.runs)
        settings.runs = *Number(*options.runs);
    if (options.seed)
        settings.seed = *Number(*options.seed);
    const bool csv = options.format == "csv";

    const ChancesCounts counts = *SimulateChances(entered, settings);
    const Certainties certainties = DecideCertainties(entered);
    if (!csv)
        std::cout << "Chances from " << settings.runs << " simulated tournaments (seed "
                  << settings.seed << ")\n\n";
    std::cout << ChancesTable(counts, certainties, csv ? TableFormat::Csv : TableFormat::Text);
    if (!csv)
        std::cout << "\n" << ModelLine() << "\n";
    std::cout << std::flush;
    if (!std::cout) {
        std::cerr << "korvel: cannot write the chances: " << std::strerror(errno) << "\n";
        return 1;
    }
    return 0;
}

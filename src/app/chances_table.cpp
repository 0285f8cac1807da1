// SPDX-License-Identifier: GPL-3.0-or-later
// The chances window's table: the chances of the main window's results, a first look from
// a tenth of the runs and then the whole run, each with what is sure.
#include "app/window/draw_window.h"
#include "chances/certainty.h"
#include "chances/table.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

// The number with a comma between thousands: 1,000,000.
std::string Thousands(std::uint64_t n) {
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

// The headings, the teams and their groups; the rest of each row is for the caller.
SideTable TeamRows() {
    SideTable table;
    table.headings = {"Team", "Group"};
    for (const std::string_view heading : kStageHeadings)
        table.headings.emplace_back(heading);
    table.headings.emplace_back("Mark");
    for (int team = 0; team < kTeams; ++team) {
        table.cells.push_back({std::string(landnaam[team]), std::string(1, GroupLetter(team))});
        table.bars.emplace_back(2, -1.0);
    }
    table.footer = std::string(ModelLine());
    return table;
}

SideTable TableOf(const ChancesCounts& counts, const Certainties& certainties, bool final) {
    SideTable table = TeamRows();
    for (int team = 0; team < kTeams; ++team) {
        std::vector<std::string>& row = table.cells[team];
        std::vector<double>& bars = table.bars[team];
        for (int s = 0; s < kStages; ++s) {
            const Certainty certainty = certainties[team][s];
            row.push_back(ChanceText(counts.reached[team][s], counts.runs, certainty));
            bars.push_back(certainty == Certainty::Sure ? 1.0
                           : certainty == Certainty::Never
                               ? 0.0
                               : static_cast<double>(counts.reached[team][s]) /
                                     static_cast<double>(counts.runs));
        }
        row.emplace_back(TeamMark(certainties[team]));
        bars.push_back(-1.0);
    }
    table.status = final ? "Chances from " + Thousands(counts.runs) +
                               " simulated tournaments, starting from the results entered so far"
                         : "A first look from " + Thousands(counts.runs) +
                               " simulated tournaments; playing on...";
    table.final = final;
    return table;
}

class ChancesTableSource final : public SideTableSource {
  public:
    explicit ChancesTableSource(const TDrawWindow& window) : window_(window) {}

    Job NewJob() override {
        if (asked_ && *asked_ == window_.Wedstrijd)
            return {};
        asked_ = window_.Wedstrijd;
        // What is sure follows from the results alone: decided once for every pass.
        return [games = *asked_, certainties = DecideCertainties(*asked_),
                runs = window_.ChancesRuns](
                   int pass, const std::atomic<bool>& cancel) -> std::optional<SideTable> {
            // A tenth of the runs comes within a tenth of the time, so the table follows
            // a result at once; the whole run then makes it precise.
            SimulationSettings settings;
            settings.runs = pass == 0 ? std::max<std::uint64_t>(1, runs / 10) : runs;
            const std::optional<ChancesCounts> counts = SimulateChances(games, settings, &cancel);
            if (!counts)
                return std::nullopt;
            return TableOf(*counts, certainties, settings.runs == runs);
        };
    }

    std::string Title() const override { return "Korvel: Chances"; }

    SideTable Waiting() const override {
        SideTable table = TeamRows();
        for (int team = 0; team < kTeams; ++team) {
            table.cells[team].resize(table.headings.size());
            table.bars[team].resize(table.headings.size(), -1.0);
        }
        table.status = "Playing the matches left " + Thousands(window_.ChancesRuns) + " times...";
        return table;
    }

  private:
    const TDrawWindow& window_;
    std::optional<Games> asked_; // the results of the latest job
};

} // namespace

std::unique_ptr<SideTableSource> TDrawWindow::ChancesTable() {
    return std::make_unique<ChancesTableSource>(*this);
}

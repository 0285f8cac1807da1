// SPDX-License-Identifier: GPL-3.0-or-later
#include "chances/table.h"

#include "data/tables.h"

#include <cstdio>

std::string ChanceText(std::uint64_t count, std::uint64_t runs, Certainty certainty) {
    if (certainty == Certainty::Sure)
        return "100%";
    if (certainty == Certainty::Never)
        return "0%";
    const double percent = runs == 0 ? 0.0 : 100.0 * static_cast<double>(count) / runs;
    if (percent < 0.05)
        return "<0.1%";
    if (percent >= 99.95)
        return ">99.9%";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", percent);
    return text;
}

std::string_view TeamMark(const std::array<Certainty, kStages>& team) {
    if (team[kChampion] == Certainty::Sure)
        return "champion";
    if (team[kChampion] == Certainty::Never)
        return "out";
    if (team[kQuarterFinal] == Certainty::Sure)
        return "through";
    return "";
}

std::string_view ModelLine() {
    return "Model: goals drawn from a Poisson law whose means follow the teams' Elo ratings of "
           "7 June 1996, England at home; a level knock-out match is a shoot-out won at random.";
}

std::string ChancesTable(const ChancesCounts& counts, const Certainties& certainties,
                         TableFormat format) {
    std::string table;
    char cell[64];
    if (format == TableFormat::Csv) {
        table = "team,group";
        for (const std::string_view heading : kStageHeadings)
            table.append(1, ',').append(heading);
        table += ",mark\n";
    } else {
        std::snprintf(cell, sizeof cell, "%-12s %-5s", "Team", "Group");
        table = cell;
        for (const std::string_view heading : kStageHeadings) {
            std::snprintf(cell, sizeof cell, " %13.*s", static_cast<int>(heading.size()),
                          heading.data());
            table += cell;
        }
        table += "  Mark\n";
    }
    for (int team = 0; team < kTeams; ++team) {
        const std::string name(landnaam[team]);
        const char group = GroupLetter(team);
        if (format == TableFormat::Csv) {
            table.append(name).append(1, ',').append(1, group);
            for (int s = 0; s < kStages; ++s)
                table.append(1, ',').append(
                    ChanceText(counts.reached[team][s], counts.runs, certainties[team][s]));
            table.append(1, ',').append(TeamMark(certainties[team])).append(1, '\n');
            continue;
        }
        std::snprintf(cell, sizeof cell, "%-12s %-5c", name.c_str(), group);
        table += cell;
        for (int s = 0; s < kStages; ++s) {
            std::snprintf(
                cell, sizeof cell, " %13s",
                ChanceText(counts.reached[team][s], counts.runs, certainties[team][s]).c_str());
            table += cell;
        }
        const std::string_view mark = TeamMark(certainties[team]);
        if (!mark.empty())
            table.append("  ").append(mark);
        table.append(1, '\n');
    }
    return table;
}

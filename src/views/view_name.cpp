// SPDX-License-Identifier: GPL-3.0-or-later
// The short name of the view shown that export and print give their files.
#include "views/draw.h"

#include <cctype>
#include <string>

// Lower-case letters and digits, a hyphen for every run of anything else: "Czech Rep."
// becomes "czech-rep", fit for a file name on every system.
std::string ViewFileName(const Tournament& t) {
    switch (t.SchermType) {
    case kStandingsView:
        return "standings";
    case kScheduleView:
        return "schedule";
    case kMapView:
        return "map";
    default:
        break;
    }
    std::string name;
    const std::string_view team =
        t.TeamToShow >= 0 && t.TeamToShow < kTeams ? landnaam[t.TeamToShow] : std::string_view();
    for (const char c : team) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte))
            name += static_cast<char>(std::tolower(byte));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-')
        name.pop_back();
    return name.empty() ? "team" : name;
}

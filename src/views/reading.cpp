// SPDX-License-Identifier: GPL-3.0-or-later
// The views in words for a screen reader: each view's columns in reading order, the
// group tables row by row with their headers, and the knock-out tree round by round.
#include "engine/knockout.h"
#include "views/kickoff.h"
#include "views/layout.h"
#include "views/pictures.h"
#include "views/read_aloud.h"
#include "views/schedule_hit_test.h"
#include "views/schedule_layout.h"

#include <string>
#include <vector>

namespace {

// The width a drawn table row takes at most: name, five counts and the goals.
constexpr int kTableRowWidth = 340;

// A table row's cells, under the headers the guide gives the tables.
std::vector<std::string> TeamRowCells(int team, const Team& t) {
    const long long d = static_cast<long long>(t.voor) - t.tegen;
    return {std::string(landnaam[team]),
            std::to_string(t.gespeeld),
            std::to_string(t.gewonnen),
            std::to_string(t.gelijk),
            std::to_string(t.verloren),
            std::to_string(t.punten),
            (d > 0 ? "+" : "") + std::to_string(d),
            std::to_string(t.voor) + "-" + std::to_string(t.tegen)};
}

// A table row in words, since the drawn row has no column headings to read.
std::string TeamRowText(const std::vector<std::string>& cells, std::int32_t points) {
    return cells[0] + ", " + cells[1] + " played, " + cells[2] + " won, " + cells[3] + " drawn, " +
           cells[4] + " lost, " + cells[5] + (points == 1 ? " point" : " points") +
           ", goal difference " + cells[6] + ", " + cells[7];
}

void AddTableRows(ReadingGuide& guide, const TPoel& poel, const std::array<Team, kTeams>& teams,
                  int left, int top, int column, bool fromTournament, const char* table) {
    guide.tableHeaders = {"team",   "played",          "won",  "drawn", "lost",
                          "points", "goal difference", "goals"};
    for (int r = 0; r < 4; ++r) {
        const int t = poel[r];
        if (t < 0 || t >= kTeams)
            continue;
        const int y = top + kTableRowHeight * r;
        std::vector<std::string> cells = TeamRowCells(t, teams[t]);
        std::string text = TeamRowText(cells, teams[t].punten);
        guide.lines.push_back({{left, y, left + kTableRowWidth, y + kTableRowHeight},
                               std::move(text),
                               column,
                               false,
                               fromTournament,
                               false,
                               table,
                               std::move(cells)});
    }
}

std::string TeamName(int team) {
    return team >= 0 && team < kTeams ? std::string(landnaam[team]) : "to be decided";
}

// A knock-out match as it stands in the tree, with the areas its two names are drawn in.
struct TreeMatch {
    int match;
    const char* name;
    TRect area;
};

constexpr TreeMatch kTreeMatches[] = {
    {24, "Quarter-final 1", {0, 235, 135, 275}}, {25, "Quarter-final 2", {510, 235, 640, 275}},
    {26, "Quarter-final 3", {0, 295, 135, 335}}, {27, "Quarter-final 4", {510, 295, 640, 335}},
    {28, "Semi-final 1", {390, 265, 510, 305}},  {29, "Semi-final 2", {135, 265, 210, 305}},
    {kFinal, "Final", {205, 315, 455, 340}},
};

bool GroupFinished(const Tournament& t, int group) {
    for (int m = 0; m < kGroupMatches; ++m)
        if (GroupOf(t.Wedstrijd[m].ploeg1) == group && t.Wedstrijd[m].gespeeld != 1)
            return false;
    return true;
}

// A knock-out match in words: its teams, its score and who went through, "to be decided"
// for a team not known yet and "provisional" while its groups are played.
std::string KnockOutText(const Tournament& t, int match) {
    const Game& g = t.Wedstrijd[match];
    const KnockOutSlot& slot = kKnockOutSlots[static_cast<std::size_t>(match - kGroupMatches)];
    std::string text;
    if (slot.first.group >= 0) {
        // A quarter-final's teams stand once their groups are played out; until then
        // they are the tables' order of the moment.
        text = TeamName(g.ploeg1) + ", " + TeamName(g.ploeg2);
        if (!GroupFinished(t, slot.first.group) || !GroupFinished(t, slot.second.group))
            return text + ", provisional";
    } else {
        const bool known1 = t.Wedstrijd[slot.first.winnerOf].gespeeld == 1;
        const bool known2 = t.Wedstrijd[slot.second.winnerOf].gespeeld == 1;
        text = (known1 ? TeamName(g.ploeg1) : "to be decided") + ", " +
               (known2 ? TeamName(g.ploeg2) : "to be decided");
        if (!known1 || !known2)
            return text;
    }
    if (g.gespeeld != 1)
        return text + ", not played";
    const std::string through = TeamName(KnockOutWinner(g));
    return TeamName(g.ploeg1) + " " + std::to_string(g.score1) + ", " + TeamName(g.ploeg2) + " " +
           std::to_string(g.score2) + ", " + through +
           (match == kFinal ? " European Champion" : " through");
}

void AddTree(ReadingGuide& guide, const Tournament& t, int column) {
    // The round headings are drawn in one row; the first line takes them all.
    guide.lines.push_back({{0, 205, 640, 228}, "Quarter-finals", column, false, true, true});
    for (const TreeMatch& m : kTreeMatches) {
        if (m.match == 28)
            guide.lines.push_back({{140, 205, 210, 228}, "Semi-finals", column, false, true, true});
        if (m.match == kFinal)
            guide.lines.push_back({{310, 205, 390, 228}, "Final", column, false, true, true});
        guide.lines.push_back(
            {m.area, std::string(m.name) + ": " + KnockOutText(t, m.match), column, false, true});
    }
}

} // namespace

ReadingGuide ReadView(const Tournament& t) {
    ReadingGuide guide;
    const std::array<TPoel, kGroups> groups = t.Groups();
    switch (t.SchermType) {
    case kScheduleView: {
        guide.title = "Schedule";
        guide.description = "Kick-off times in " + ZoneText(t.TimeZone);
        constexpr int right = ScheduleLayout::kRightColumn;
        guide.columns = {{{0, 0, right, 480}}, {{right, 0, 640, 480}}};
        for (int i = 0; i < kMatches; ++i) {
            const Game& g = t.Wedstrijd[i];
            std::string text = std::to_string(g.datum) + ", " + KickOffText(g.tijd, t.TimeZone) +
                               ", " + std::string(landnaam[g.ploeg1]) + " - " +
                               std::string(landnaam[g.ploeg2]) + ", ";
            text += g.gespeeld == 1 ? std::to_string(g.score1) + "-" + std::to_string(g.score2)
                                    : "not played";
            guide.lines.push_back(
                {MatchLineArea(i), std::move(text), i < kGroupMatches ? 0 : 1, true});
        }
        break;
    }
    case kMapView:
        guide.title = "Stadiums";
        // The flags of groups A and B and the map (its corner is level with them), the
        // cities left of the map, those right of it, the flags of groups C and D below.
        guide.columns = {
            {{0, 0, 640, 70}}, {{0, 70, 195, 290}}, {{450, 70, 640, 290}}, {{0, 290, 640, 480}}};
        break;
    case kTeamView: {
        if (t.TeamToShow < 0 || t.TeamToShow >= kTeams)
            break;
        guide.title = landnaam[t.TeamToShow];
        guide.columns = {{{0, 0, 640, 60}},
                         {{0, 60, kTeamTableLeft, 480}, true},
                         {{kTeamTableLeft, 60, 640, 480}}};
        const int group = GroupOf(t.TeamToShow);
        AddTableRows(guide, groups[group], t.Ploeg, kTeamTableLeft, kTeamTableTop, 2, false,
                     kGroupTables[group].heading);
        break;
    }
    default: {
        guide.title = "Standings";
        // The champion's box covers the middle of the tables: it reads first.
        const Game& final = t.Wedstrijd[kFinal];
        const int winner = final.gespeeld == 1 ? KnockOutWinner(final) : -1;
        const int first = winner >= 0 && winner < kTeams ? 1 : 0;
        if (first)
            guide.columns.push_back({kChampionBox});
        for (const GroupTable& table : kGroupTables)
            guide.columns.push_back({{table.px, table.py, table.px + 350, table.py + 100}});
        // The tree reads round by round, each match with its teams and who went through.
        guide.columns.push_back({{0, 200, 640, 480}, false, true});
        // What the champion's box covers is still read: the tables come from the results.
        for (int group = 0; group < 4; ++group) {
            const GroupTable& table = kGroupTables[group];
            guide.lines.push_back({{table.px, table.py, table.px + 80, table.py + kTableRowHeight},
                                   table.heading,
                                   first + group,
                                   false,
                                   true,
                                   true});
            AddTableRows(guide, groups[group], t.Ploeg, table.px, table.py + kTableRowHeight,
                         first + group, true, table.heading);
        }
        AddTree(guide, t, first + 4);
        break;
    }
    }
    return guide;
}

std::string PictureDescription(int resId) {
    if (resId >= kFirstFlagBitmap && resId < kFirstFlagBitmap + kTeams)
        return std::string(landnaam[resId - kFirstFlagBitmap]) + " flag";
    switch (resId) {
    case kTrophyBitmap:
        return "European Champion 1996 trophy";
    case kSmallCupBitmap:
        return "former European Champion";
    case kMapBitmap:
        return "map of England with the host cities";
    default:
        return {}; // the emblem only decorates
    }
}

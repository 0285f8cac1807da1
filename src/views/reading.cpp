// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/draw_window.h"
#include "dialogs/hit_test.h"
#include "engine/knockout.h"
#include "views/kickoff.h"
#include "views/layout.h"
#include "views/pictures.h"
#include "views/schedule_layout.h"

#include <string>

namespace {

// The width a drawn table row takes at most: name, five counts and the goals.
constexpr int kTableRowWidth = 340;

std::string Count(std::int32_t n, const char* what) { return std::to_string(n) + " " + what; }

// A table row in words, since the drawn row has no column headings to read.
std::string TeamRowText(int team, const Team& t) {
    const long long d = static_cast<long long>(t.voor) - t.tegen;
    std::string text(landnaam[team]);
    text += ", " + Count(t.gespeeld, "played") + ", " + Count(t.gewonnen, "won") + ", " +
            Count(t.gelijk, "drawn") + ", " + Count(t.verloren, "lost") + ", " +
            Count(t.punten, t.punten == 1 ? "point" : "points") + ", goal difference " +
            (d > 0 ? "+" : "") + std::to_string(d) + ", " + std::to_string(t.voor) + "-" +
            std::to_string(t.tegen);
    return text;
}

void AddTableRows(ReadingGuide& guide, const TPoel& poel, const std::array<Team, kTeams>& teams,
                  int left, int top, int column) {
    for (int r = 0; r < 4; ++r) {
        const int t = poel[r];
        if (t < 0 || t >= kTeams)
            continue;
        const int y = top + kTableRowHeight * r;
        guide.lines.push_back({{left, y, left + kTableRowWidth, y + kTableRowHeight},
                               TeamRowText(t, teams[t]),
                               column});
    }
}

} // namespace

ReadingGuide TDrawWindow::Reading() const {
    ReadingGuide guide;
    const TPoel* groups[4] = {&PoelA, &PoelB, &PoelC, &PoelD};
    switch (SchermType) {
    case 1: {
        guide.title = "Schedule";
        constexpr int right = ScheduleLayout::kRightColumn;
        guide.columns = {{{0, 0, right, 480}}, {{right, 0, 640, 480}}};
        for (int i = 0; i < kMatches; ++i) {
            const Game& g = Wedstrijd[i];
            std::string text = std::to_string(g.datum) + ", " + KickOffText(g.tijd, TimeZone) +
                               ", " + std::string(landnaam[g.ploeg1]) + " - " +
                               std::string(landnaam[g.ploeg2]) + ", ";
            text += g.gespeeld == 1 ? std::to_string(g.score1) + "-" + std::to_string(g.score2)
                                    : "not played";
            guide.lines.push_back(
                {MatchLineArea(i), std::move(text), i < kGroupMatches ? 0 : 1, true});
        }
        break;
    }
    case 2:
        guide.title = "Stadiums";
        // The flags of groups A and B and the map (its corner is level with them), the
        // cities left of the map, those right of it, the flags of groups C and D below.
        guide.columns = {
            {{0, 0, 640, 70}}, {{0, 70, 195, 290}}, {{450, 70, 640, 290}}, {{0, 290, 640, 480}}};
        break;
    case 3: {
        if (TeamToShow < 0 || TeamToShow >= kTeams)
            break;
        guide.title = landnaam[TeamToShow];
        guide.columns = {{{0, 0, 640, 60}},
                         {{0, 60, kTeamTableLeft, 480}, true},
                         {{kTeamTableLeft, 60, 640, 480}}};
        const int group = GroupOf(TeamToShow);
        AddTableRows(guide, *groups[group], Ploeg, kTeamTableLeft, kTeamTableTop, 2);
        break;
    }
    default: {
        guide.title = "Standings";
        // The champion's box covers the middle of the tables: it reads first.
        const Game& final = Wedstrijd[kFinal];
        const int winner = final.gespeeld == 1 ? KnockOutWinner(final) : -1;
        const int first = winner >= 0 && winner < kTeams ? 1 : 0;
        if (first)
            guide.columns.push_back({kChampionBox});
        for (const GroupTable& table : kGroupTables)
            guide.columns.push_back({{table.px, table.py, table.px + 350, table.py + 100}});
        // The tree, a column per round from the left quarter-finals to the right ones.
        for (const auto& [left, right] :
             {std::pair{0, 130}, std::pair{130, 210}, std::pair{210, 390}, std::pair{390, 510},
              std::pair{510, 640}})
            guide.columns.push_back({{left, 200, right, 480}});
        for (int group = 0; group < 4; ++group) {
            const GroupTable& table = kGroupTables[group];
            AddTableRows(guide, *groups[group], Ploeg, table.px, table.py + kTableRowHeight,
                         first + group);
        }
        break;
    }
    }
    return guide;
}

std::string TDrawWindow::PictureName(int resId) const {
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the group tables, the head-to-head matches the tie-breaker weighed, the
// knock-out rounds and the champion in fixed-width columns.
#include "app/text_summary.h"

#include "engine/knockout.h"
#include "engine/standings.h"
#include "views/goal_text.h"

#include <cstdio>
#include <string>

namespace {

struct Round {
    const char* heading;
    int first;
    int last;
};

constexpr Round kRounds[] = {
    {"Quarter-finals", 24, 27},
    {"Semi-finals", 28, 29},
    {"Final", kFinal, kFinal},
};

constexpr const char* kGroupHeadings[4] = {"Group A", "Group B", "Group C", "Group D"};

// A later round's team is known, as in the window's tree, only once the match that
// sends it on has been played: ploeg1 and ploeg2 of the semi-finals and the final.
struct Feeder {
    int match;
    int first;
    int second;
};
constexpr Feeder kFeeders[] = {{28, 25, 27}, {29, 24, 26}, {kFinal, 29, 28}};

std::string RoundName(int match) {
    if (match < 28)
        return "quarter-final " + std::to_string(match - 23);
    return "semi-final " + std::to_string(match - 27);
}

// Names fit 16 columns: the longest is "Switzerland".
std::string Padded(std::string_view text, std::size_t width) {
    std::string padded(text);
    if (padded.size() < width)
        padded.append(width - padded.size(), ' ');
    return padded;
}

std::string TeamName(int team) {
    return team >= 0 && team < kTeams ? std::string(landnaam[team]) : std::string("?");
}

std::string Row(const char* format, auto... values) {
    char line[160];
    std::snprintf(line, sizeof line, format, values...);
    return line;
}

// The name in a knock-out slot, or which match's winner will fill it.
std::string SlotName(const Tournament& tournament, int match, bool first) {
    const Game& g = tournament.Wedstrijd[match];
    for (const Feeder& f : kFeeders) {
        if (f.match != match)
            continue;
        const int feeder = first ? f.first : f.second;
        if (tournament.Wedstrijd[feeder].gespeeld != 1)
            return "winner of " + RoundName(feeder);
    }
    return TeamName(first ? g.ploeg1 : g.ploeg2);
}

// The matches between teams level on points that the tie-breaker weighs, as it
// reports them: each one won, between two teams of the group with equal points.
std::string HeadToHead(const Tournament& tournament, const TPoel& group) {
    std::string text;
    auto rank = [&group](int team) {
        for (int r = 0; r < 4; ++r)
            if (group[r] == team)
                return r;
        return 4;
    };
    for (int m = 0; m < kGroupMatches; ++m) {
        const Game& g = tournament.Wedstrijd[m];
        if (g.gespeeld != 1 || g.score1 == g.score2 || rank(g.ploeg1) == 4 ||
            tournament.Ploeg[g.ploeg1].punten != tournament.Ploeg[g.ploeg2].punten)
            continue;
        const bool home = g.score1 > g.score2;
        const int winner = home ? g.ploeg1 : g.ploeg2;
        const int loser = home ? g.ploeg2 : g.ploeg1;
        const int won = home ? g.score1 : g.score2;
        const int lost = home ? g.score2 : g.score1;
        text += rank(winner) < rank(loser)
                    ? Row("  %s above %s on their match: %d-%d\n", TeamName(winner).c_str(),
                          TeamName(loser).c_str(), won, lost)
                    : Row("  %s beat %s %d-%d, level on points; other matches put %s above\n",
                          TeamName(winner).c_str(), TeamName(loser).c_str(), won, lost,
                          TeamName(loser).c_str());
    }
    return text;
}

} // namespace

std::string TournamentText(Tournament tournament) {
    ComputeStandings(tournament, nullptr);
    std::string text;
    const TPoel* groups[4] = {&tournament.PoelA, &tournament.PoelB, &tournament.PoelC,
                              &tournament.PoelD};
    for (int group = 0; group < 4; ++group) {
        text += Padded(kGroupHeadings[group], 16) + "  P  W  D  L  Pts  Goals\n";
        for (const int t : *groups[group]) {
            const Team& team = tournament.Ploeg[t];
            text += Padded(TeamName(t), 16) +
                    Row("%3d%3d%3d%3d%5d  ", team.gespeeld, team.gewonnen, team.gelijk,
                        team.verloren, team.punten) +
                    GoalText(team) + "\n";
        }
        text += HeadToHead(tournament, *groups[group]) + "\n";
    }
    for (const Round& round : kRounds) {
        text += std::string(round.heading) + "\n";
        for (int i = round.first; i <= round.last; ++i) {
            const Game& g = tournament.Wedstrijd[i];
            const std::string first = SlotName(tournament, i, true);
            const std::string second = SlotName(tournament, i, false);
            text += "  " + Padded(first, 15) + " - " + Padded(second, 16);
            if (g.gespeeld == 1)
                text += Row("%d-%d", g.score1, g.score2);
            text += "\n";
        }
        text += "\n";
    }
    const Game& final = tournament.Wedstrijd[kFinal];
    if (final.gespeeld == 1)
        text += "European Champion 1996: " + TeamName(KnockOutWinner(final)) + "\n";
    else
        text += "European Champion 1996: not decided yet\n";
    return text;
}

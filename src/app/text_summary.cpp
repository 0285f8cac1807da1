// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text_summary.h"

#include "data/draw_window.h"
#include "engine/knockout.h"
#include "views/goal_text.h"

#include <cstdio>

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

} // namespace

std::string TournamentText(TDrawWindow& window) {
    window.BerekenStand();
    std::string text;
    const TPoel* groups[4] = {&window.PoelA, &window.PoelB, &window.PoelC, &window.PoelD};
    for (int group = 0; group < 4; ++group) {
        text += Padded(kGroupHeadings[group], 16) + "  P  W  D  L  Pts  Goals\n";
        for (const int t : *groups[group]) {
            const Team& team = window.Ploeg[t];
            text += Padded(TeamName(t), 16) +
                    Row("%3d%3d%3d%3d%5d  ", team.gespeeld, team.gewonnen, team.gelijk,
                        team.verloren, team.punten) +
                    GoalText(team) + "\n";
        }
        text += "\n";
    }
    for (const Round& round : kRounds) {
        text += std::string(round.heading) + "\n";
        for (int i = round.first; i <= round.last; ++i) {
            const Game& g = window.Wedstrijd[i];
            text += "  " + Padded(TeamName(g.ploeg1), 16) + "- " + Padded(TeamName(g.ploeg2), 16);
            if (g.gespeeld == 1)
                text += Row("%d-%d", g.score1, g.score2);
            text += "\n";
        }
        text += "\n";
    }
    const Game& final = window.Wedstrijd[kFinal];
    if (final.gespeeld == 1)
        text += "European Champion 1996: " + TeamName(KnockOutWinner(final)) + "\n";
    else
        text += "European Champion 1996: not decided yet\n";
    return text;
}

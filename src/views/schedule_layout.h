// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/tables.h"
#include "platform/color.h"

#include <array>

// Where the schedule view puts its lines, in client pixels. The view draws from
// this table and the hit test reads it back, so a click always finds the line
// drawn under it.
struct ScheduleLayout {
    // Every line owns the band from its top down to the next line.
    static constexpr int kLineHeight = 15;
    static constexpr int kLeftColumn = 0;
    // The right column's lines start here; a click at this x itself still counts
    // as the left column.
    static constexpr int kRightColumn = 340;
    // A click in the left column answers for this many bands, so the empty bands
    // below the group matches select the knock-out match of the same number.
    static constexpr int kLeftColumnBands = kMatches;

    // A heading in the right column and the knock-out matches listed under it, one
    // band each, starting in the band after the heading's.
    struct Round {
        const char* heading;
        int headingBand;
        int firstMatch;
        int lastMatch;
    };
    static constexpr std::array<Round, 3> kRounds{{
        {"Quarter finales", 0, 24, 27},
        {"Semi finals", 6, 28, 29},
        {"Final", 10, kFinal, kFinal},
    }};

    // Offsets of a match line's fields from the line's left edge.
    struct LineColumns {
        int day, time, team1, score1, dash, team2, score2;
    };
    static constexpr LineColumns kLine{0, 25, 70, 170, 180, 190, 290};

    // The box with the instruction below the knock-out rounds.
    static constexpr TRect kHintBox{340, 245, 630, 270};
    static constexpr TPoint kHintText{350, 250};
    static constexpr const char* kHint = "Click on a match to enter/edit result";

    // The band, counted from the top, of a match's line in the right column, or -1
    // for a group match, which stands in the left column.
    static constexpr int RightColumnBand(int match) {
        for (const Round& round : kRounds)
            if (match >= round.firstMatch && match <= round.lastMatch)
                return round.headingBand + 1 + match - round.firstMatch;
        return -1;
    }

    // The top-left corner of a match's line.
    static constexpr TPoint LineOrigin(int match) {
        if (match < kGroupMatches)
            return {kLeftColumn, kLineHeight * match};
        return {kRightColumn, kLineHeight * RightColumnBand(match)};
    }

    // The knock-out match whose line fills a band of the right column, or -1.
    static constexpr int RightColumnMatch(int band) {
        for (const Round& round : kRounds)
            if (band > round.headingBand &&
                band <= round.headingBand + 1 + round.lastMatch - round.firstMatch)
                return round.firstMatch + band - round.headingBand - 1;
        return -1;
    }
};

static_assert(ScheduleLayout::LineOrigin(23) == TPoint{0, 345});
static_assert(ScheduleLayout::LineOrigin(24) == TPoint{340, 15});
static_assert(ScheduleLayout::LineOrigin(28) == TPoint{340, 105});
static_assert(ScheduleLayout::LineOrigin(kFinal) == TPoint{340, 165});
static_assert(ScheduleLayout::RightColumnMatch(11) == kFinal);

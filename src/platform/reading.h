// SPDX-License-Identifier: GPL-3.0-or-later
// How a view describes itself to a screen reader: its title, its columns and the lines it
// names, which the toolkit asks for while a reader listens.
#pragma once

#include "platform/color.h"

#include <string>
#include <vector>

// What a screen reader needs to know of a drawn view beyond its texts and pictures:
// its title, the order of its columns, and the lines it names whole.
//
// A line names a row of drawn texts (a table row, a match) in words, replacing the
// separate texts inside its area; a pressable line is one that a click in its area
// opens, and a press clicks at its centre. A line the view says from the tournament
// itself is read even where something is drawn over it; a heading begins a section.
struct ReadingLine {
    TRect area;
    std::string text;
    int column = 0;
    bool pressable = false;
    bool fromTournament = false;
    bool heading = false;
    // A row of the table named here (the group), its cells under the guide's headers.
    std::string table{};
    std::vector<std::string> cells{};
};

// A column of a view. Texts that share a top edge in a column that joins rows read as
// one line, left to right. A column whose lines are in order reads them as the guide
// lists them, not by where they are drawn (the knock-out tree, round by round).
struct ReadingColumn {
    TRect area;
    bool joinRows = false;
    bool linesInOrder = false;
};

struct ReadingGuide {
    std::string title;
    // Said with the title: what the view shows beyond its lines (the time zone).
    std::string description;
    // In reading order; a text or picture reads in the first column that holds its
    // top-left corner, and within a column top to bottom, left to right.
    std::vector<ReadingColumn> columns;
    std::vector<ReadingLine> lines;
    // The column headers of the view's tables.
    std::vector<std::string> tableHeaders;
};

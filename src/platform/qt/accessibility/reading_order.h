// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which a screen reader reads the canvas, worked out from what the last
// render drew and the view's guide to its columns and lines.
#pragma once

#include <QPoint>
#include <QRect>

#include <string>
#include <vector>

class DrawnItems;
class TWindow;

// One thing a screen reader reads on the canvas: a text, a named picture, or a line
// that a click opens (pressed by a click at its centre).
struct ReadItem {
    enum class Kind {
        Text,
        Picture,
        Button
    };
    Kind kind = Kind::Text;
    std::string name;
    QRect rect; // in canvas pixels
    bool heading = false;
    // The first line of a heading's section or of a column: where Page Up and Page Down
    // stop.
    bool sectionStart = false;
    // A table row: the table it belongs to and its cells.
    std::string table{};
    std::vector<std::string> cells{};
};

// What the last render left visible, in reading order: the view's columns in turn,
// each top to bottom and left to right (or in the guide's order of its lines); the
// lines the view names replace the texts inside them, and those it says from the
// tournament are read even when covered; pictures that only decorate are left out.
std::vector<ReadItem> ReadingOrder(const DrawnItems& drawn, const TWindow& window);

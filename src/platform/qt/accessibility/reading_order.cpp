// SPDX-License-Identifier: GPL-3.0-or-later
// Sorts what was drawn into the view's columns, puts the lines the view names in place of
// the texts inside them, and keeps the lines the view reads from the tournament even
// where something is drawn over them.
#include "platform/qt/accessibility/reading_order.h"

#include "platform/qt/canvas/drawn_items.h"
#include "platform/window.h"

#include <algorithm>
#include <tuple>

namespace {

QRect ToQRect(const TRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

struct Placed {
    ReadItem item;
    int column;
    bool joins = false; // a drawn text in a column whose rows read as one line
    // Its place in a column whose lines read in the guide's order; drawn texts come after.
    int rank = 0;
};

constexpr int kAfterTheLines = 1 << 30;

int ColumnOf(const ReadingGuide& guide, QPoint topLeft) {
    const int count = static_cast<int>(guide.columns.size());
    for (int c = 0; c < count; ++c)
        if (ToQRect(guide.columns[c].area).contains(topLeft))
            return c;
    return count; // outside every column: read last
}

// How a column reads; what lies outside every column neither joins rows nor keeps an order.
ReadingColumn ColumnSettings(const ReadingGuide& guide, int column) {
    return column >= 0 && column < static_cast<int>(guide.columns.size())
               ? guide.columns[static_cast<std::size_t>(column)]
               : ReadingColumn{};
}

} // namespace

std::vector<ReadItem> ReadingOrder(const DrawnItems& drawn, const TWindow& window) {
    const ReadingGuide& guide = drawn.Guide();
    const std::vector<DrawnItems::Item>& items = drawn.Items();
    std::vector<bool> used(items.size(), false);
    std::vector<Placed> placed;

    for (std::size_t l = 0; l < guide.lines.size(); ++l) {
        const ReadingLine& line = guide.lines[l];
        const QRect area = ToQRect(line.area);
        QRect cells;
        for (std::size_t i = 0; i < items.size(); ++i) {
            // Only texts of the line's own column: the champion's box lies over the tables.
            if (used[i] || items[i].picture != 0 || !area.contains(items[i].rect.center()) ||
                ColumnOf(guide, items[i].rect.topLeft()) != line.column)
                continue;
            used[i] = true;
            cells |= items[i].rect;
        }
        // A line the render left no text of is not there to read, unless the view says
        // it from the tournament whatever is drawn over it.
        if (cells.isNull() && !line.fromTournament)
            continue;
        const ReadItem::Kind kind = line.pressable ? ReadItem::Kind::Button : ReadItem::Kind::Text;
        const QRect rect = line.pressable || cells.isNull() ? area : cells;
        const int rank = ColumnSettings(guide, line.column).linesInOrder ? static_cast<int>(l) : 0;
        placed.push_back({{kind, line.text, rect, line.heading, false, line.table, line.cells},
                          line.column,
                          false,
                          rank});
    }

    for (std::size_t i = 0; i < items.size(); ++i) {
        if (used[i])
            continue;
        const DrawnItems::Item& item = items[i];
        const int column = ColumnOf(guide, item.rect.topLeft());
        const ReadingColumn settings = ColumnSettings(guide, column);
        const int rank = settings.linesInOrder ? kAfterTheLines : 0;
        if (item.picture != 0) {
            std::string name = window.PictureName(item.picture);
            if (!name.empty())
                placed.push_back(
                    {{ReadItem::Kind::Picture, std::move(name), item.rect}, column, false, rank});
            continue;
        }
        placed.push_back(
            {{ReadItem::Kind::Text, item.text, item.rect}, column, settings.joinRows, rank});
    }

    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return std::tuple(a.column, a.rank, a.item.rect.top(), a.item.rect.left()) <
               std::tuple(b.column, b.rank, b.item.rect.top(), b.item.rect.left());
    });
    std::vector<ReadItem> order;
    order.reserve(placed.size());
    bool joining = false;
    for (std::size_t i = 0; i < placed.size(); ++i) {
        Placed& p = placed[i];
        if (joining && p.joins && placed[i - 1].column == p.column &&
            order.back().rect.top() == p.item.rect.top()) {
            order.back().name += " " + p.item.name;
            order.back().rect |= p.item.rect;
            continue;
        }
        joining = p.joins;
        p.item.sectionStart = p.item.heading || i == 0 || placed[i - 1].column != p.column;
        order.push_back(std::move(p.item));
    }
    return order;
}

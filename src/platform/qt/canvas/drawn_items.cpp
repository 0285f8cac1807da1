// SPDX-License-Identifier: GPL-3.0-or-later
// Records texts and pictures as they are drawn, and drops those a later drawing covers.
#include "platform/qt/canvas/drawn_items.h"

#include "platform/qt/canvas/utf8.h"

#include <algorithm>

void DrawnItems::Text(QPoint topLeft, std::string_view text) {
    if (text.empty())
        return;
    const QString string = FromUtf8(text);
    const QRect cell(topLeft, QSize(std::max(1, font_.metrics.horizontalAdvance(string)),
                                    font_.metrics.height()));
    Cover(cell);
    items_.push_back({cell, std::string(text), 0});
}

void DrawnItems::Picture(QRect rect, int resId) {
    Cover(rect);
    items_.push_back({rect, {}, resId});
}

void DrawnItems::Cover(const QRect& rect) {
    std::erase_if(items_, [&](const Item& item) { return rect.contains(item.rect.center()); });
}

void DrawnItems::End(ReadingGuide guide) {
    guide_ = std::move(guide);
    ++generation_;
}

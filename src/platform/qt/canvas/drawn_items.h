// SPDX-License-Identifier: GPL-3.0-or-later
// The record of the texts and pictures a render left visible, which the screen reader's
// reading order is built from.
#pragma once

#include "platform/qt/canvas/view_font.h"
#include "platform/reading.h"

#include <QRect>

#include <string>
#include <string_view>
#include <vector>

// What the last render left visible on the canvas, in words: each text with its cell,
// each picture with its place. Kept only while a screen reader listens, so a render
// costs nothing more otherwise. An opaque rectangle, text cell or picture hides what
// was drawn before it where it covers the middle of it.
class DrawnItems {
  public:
    struct Item {
        QRect rect;
        std::string text; // empty for a picture
        int picture = 0;  // the picture's resource id, 0 for a text
    };

    // A render begins: what it draws replaces everything.
    void Begin() { items_.clear(); }
    void Text(QPoint topLeft, std::string_view text);
    void Picture(QRect rect, int resId);
    void Cover(const QRect& rect);
    // The render has ended; the guide describes what it drew.
    void End(ReadingGuide guide);

    const std::vector<Item>& Items() const { return items_; }
    const ReadingGuide& Guide() const { return guide_; }
    // Counts the renders, so a reader knows when to look again.
    int Generation() const { return generation_; }

  private:
    ViewFont font_;
    std::vector<Item> items_;
    ReadingGuide guide_;
    int generation_ = 0;
};

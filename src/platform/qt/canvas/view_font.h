// SPDX-License-Identifier: GPL-3.0-or-later
// The font every view draws with, in the canvas and in exports alike.
#pragma once

#include <QFont>
#include <QFontMetrics>

// The one font the views draw with. The views are laid out at fixed pixel positions
// (rows 15 and 16 pixels apart, team names in 90-pixel columns), so the font is the
// program's choice, never the desktop's.
struct ViewFont {
    static constexpr const char* kFamily = "DejaVu Sans";
    static constexpr int kPixelSize = 12;

    ViewFont();

    QFont font;
    QFontMetrics metrics;
};

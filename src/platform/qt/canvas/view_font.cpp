// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the view font with full hinting and grey-scale smoothing, so that its pixels do
// not depend on the desktop's settings.
#include "platform/qt/canvas/view_font.h"

namespace {

QFont MakeViewFont() {
    QFont font(QString::fromLatin1(ViewFont::kFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(ViewFont::kPixelSize);
    // Grey-scale smoothing only: colour fringes would depend on the desktop's settings
    // and change the pixels from one machine to the next.
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

ViewFont::ViewFont() : font(MakeViewFont()), metrics(font) {}

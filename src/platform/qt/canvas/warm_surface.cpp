// SPDX-License-Identifier: GPL-3.0-or-later
// Painting ahead: texts become the canvas's cached cells and pictures its cached images;
// nothing else is drawn.
#include "platform/qt/canvas/warm_surface.h"

#include "platform/qt/canvas/canvas.h"
#include "platform/qt/canvas/pictures.h"

void WarmSurface::TextOut(int, int, std::string_view text) {
    canvas_.PrepareText(text, qRgb(textColor_.r, textColor_.g, textColor_.b));
}

void WarmSurface::CopyBitmap(const TBitmap& bitmap, int, int) { CachedPicture(bitmap.resId); }

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/warm_surface.h"

#include "platform/qt/canvas.h"
#include "platform/qt/pictures.h"

void WarmSurface::TextOut(int, int, std::string_view text) {
    canvas_.PrepareText(text, qRgb(textColor_.r, textColor_.g, textColor_.b));
}

void WarmSurface::CopyBitmap(const TBitmap& bitmap, int, int) { CachedPicture(bitmap.resId); }

// SPDX-License-Identifier: GPL-3.0-or-later
// The surface used to paint a view ahead of showing it, so its first render is quick.
#pragma once

#include "platform/gdi.h"

class Canvas;

// The surface a page is painted on ahead of time: it shows nothing, but makes the text
// cells the canvas will copy and converts the pictures it will copy, so that the first
// real render of that page finds them ready.
class WarmSurface final : public Surface {
  public:
    explicit WarmSurface(Canvas& canvas) : canvas_(canvas) {}

    void SetTextColor(TColor color) override { textColor_ = color; }
    void TextOut(int x, int y, std::string_view text) override;
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Rectangle(int, int, int, int) override {}
    void SelectPen(const TPen&) override {}
    void SelectBrush(const TBrush&) override {}
    void CopyBitmap(const TBitmap& bitmap, int x, int y) override;

  private:
    Canvas& canvas_;
    TColor textColor_ = TColor::Black;
};

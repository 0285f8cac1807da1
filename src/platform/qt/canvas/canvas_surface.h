// SPDX-License-Identifier: GPL-3.0-or-later
// The surface the views draw on when they paint for real: the window's canvas, or an
// export or print target, through the same drawing code.
#pragma once

#include "platform/gdi.h"

#include <QPoint>

#include <vector>

class PaintTarget;
class QtWindowHost;

// A TClientDC's drawing surface on the canvas (or on an export or print target), with
// the device-context semantics the views were laid out with: half-open lines and
// rectangles, opaque text cells. Each surface keeps its own pen, brush, text colour and
// current point, since the views nest surfaces and expect each to start in the default
// state. The window's host, when there is one, is told when surfaces open and close.
class CanvasSurface final : public Surface {
  public:
    CanvasSurface(QtWindowHost* host, PaintTarget& canvas);
    ~CanvasSurface() override;
    CanvasSurface(const CanvasSurface&) = delete;
    CanvasSurface& operator=(const CanvasSurface&) = delete;

    void SetTextColor(TColor color) override { textColor_ = color; }
    void TextOut(int x, int y, std::string_view text) override;
    void MoveTo(int x, int y) override { current_ = {x, y}; }
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void SelectPen(const TPen& pen) override { pen_ = pen; }
    void SelectBrush(const TBrush& brush) override { brush_ = brush; }
    void CopyBitmap(const TBitmap& bitmap, int x, int y) override;

  private:
    void ThinLine(QPoint from, QPoint to);

    QtWindowHost* host_;
    PaintTarget& canvas_;
    TColor textColor_ = TColor::Black;
    TPen pen_{TColor::Black, 1};
    TBrush brush_{TColor::White};
    QPoint current_;
    std::vector<QPoint> points_;
};

// SPDX-License-Identifier: GPL-3.0-or-later
// The paint target for SVG, PDF and printing, where text must stay text.
#pragma once

#include "platform/qt/canvas/paint_target.h"
#include "platform/qt/canvas/view_font.h"

class QPainter;

// Draws on a painter of any device, keeping text as text: an SVG generator writes
// text elements and a PDF writer selectable text. The caller's transform maps view
// pixels onto the device, so the same view fits a page as well as a drawing.
class PainterTarget final : public PaintTarget {
  public:
    explicit PainterTarget(QPainter& painter);

    void Fill(const QRect& rect, QRgb colour) override;
    void Text(QPoint topLeft, std::string_view text, QRgb colour) override;
    void Points(std::span<const QPoint> points, QRgb colour) override;
    void Line(QPoint from, QPoint to, QRgb colour, int width) override;
    void Picture(QPoint topLeft, const QImage& picture) override;

  private:
    QPainter& painter_;
    ViewFont font_;
};

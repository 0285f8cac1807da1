// SPDX-License-Identifier: GPL-3.0-or-later
// The interface between the views' drawing surface and what it draws on, so that the
// window, an export and a printed page share the surface's pixel rules.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <span>
#include <string_view>

// What a drawing surface draws on, in view pixels: the window's canvas, or a painter on
// an SVG generator, a PDF writer or a printer. The surface decides which pixels a line
// or rectangle covers; a target only puts them down.
class PaintTarget {
  public:
    virtual ~PaintTarget() = default;
    virtual void Fill(const QRect& rect, QRgb colour) = 0;
    // A text on its opaque white cell, top-left corner of the cell at the point.
    virtual void Text(QPoint topLeft, std::string_view text, QRgb colour) = 0;
    virtual void Points(std::span<const QPoint> points, QRgb colour) = 0;
    virtual void Line(QPoint from, QPoint to, QRgb colour, int width) = 0;
    virtual void Picture(QPoint topLeft, const QImage& picture) = 0;
};

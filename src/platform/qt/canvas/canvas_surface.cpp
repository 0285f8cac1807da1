// SPDX-License-Identifier: GPL-3.0-or-later
// Turns the views' pen, brush, lines, rectangles, texts and pictures into a target's
// fills and points (Bresenham for slanted thin lines), and notes each text and picture
// for a screen reader when the window keeps them.
#include "platform/qt/canvas/canvas_surface.h"

#include "platform/qt/canvas/paint_target.h"
#include "platform/qt/canvas/pictures.h"
#include "platform/qt/frame/qt_host.h"

#include <cstdlib>
#include <utility>

namespace {

QRgb Rgb(TColor color) { return qRgb(color.r, color.g, color.b); }

// What a screen reader is told of the window's canvas; exports draw without a window.
DrawnItems* DrawnOf(QtWindowHost* host) { return host ? host->Drawn() : nullptr; }

} // namespace

CanvasSurface::CanvasSurface(QtWindowHost* host, PaintTarget& canvas)
    : host_(host), canvas_(canvas) {
    if (host_)
        host_->SurfaceOpened();
}

CanvasSurface::~CanvasSurface() {
    if (host_)
        host_->SurfaceClosed();
}

void CanvasSurface::TextOut(int x, int y, std::string_view text) {
    canvas_.Text(QPoint(x, y), text, Rgb(textColor_));
    if (DrawnItems* drawn = DrawnOf(host_))
        drawn->Text(QPoint(x, y), text);
}

void CanvasSurface::LineTo(int x, int y) {
    const QPoint from = current_;
    const QPoint to(x, y);
    current_ = to;
    if (from == to)
        return;
    if (pen_.width > 1)
        canvas_.Line(from, to, Rgb(pen_.color), pen_.width);
    else
        ThinLine(from, to);
}

// The pixels from the start up to the end point, the end itself left out, so that a
// polyline sets each corner once and a line ends where the next one starts.
void CanvasSurface::ThinLine(QPoint from, QPoint to) {
    const QRgb colour = Rgb(pen_.color);
    if (from.y() == to.y()) {
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        canvas_.Fill(QRect(left, from.y(), std::abs(to.x() - from.x()), 1), colour);
        return;
    }
    if (from.x() == to.x()) {
        const int top = from.y() < to.y() ? from.y() : to.y() + 1;
        canvas_.Fill(QRect(from.x(), top, 1, std::abs(to.y() - from.y())), colour);
        return;
    }
    // Bresenham, stepping along the longer axis.
    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    points_.clear();
    int x = from.x();
    int y = from.y();
    int error = dx - dy;
    while (x != to.x() || y != to.y()) {
        points_.emplace_back(x, y);
        const int twice = 2 * error;
        if (twice > -dy) {
            error -= dy;
            x += sx;
        }
        if (twice < dx) {
            error += dx;
            y += sy;
        }
    }
    canvas_.Points(points_, colour);
}

void CanvasSurface::Rectangle(int left, int top, int right, int bottom) {
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0)
        return;
    if (DrawnItems* drawn = DrawnOf(host_))
        drawn->Cover(QRect(left, top, width, height));
    const int pen = pen_.width > 1 ? pen_.width : 1;
    const QRgb outline = Rgb(pen_.color);
    const QRgb inside = Rgb(brush_.color);
    if (outline == inside || width <= 2 * pen || height <= 2 * pen) {
        canvas_.Fill(QRect(left, top, width, height), outline);
        return;
    }
    canvas_.Fill(QRect(left, top, width, pen), outline);
    canvas_.Fill(QRect(left, bottom - pen, width, pen), outline);
    canvas_.Fill(QRect(left, top + pen, pen, height - 2 * pen), outline);
    canvas_.Fill(QRect(right - pen, top + pen, pen, height - 2 * pen), outline);
    canvas_.Fill(QRect(left + pen, top + pen, width - 2 * pen, height - 2 * pen), inside);
}

void CanvasSurface::CopyBitmap(const TBitmap& bitmap, int x, int y) {
    if (const QImage* picture = CachedPicture(bitmap.resId)) {
        canvas_.Picture(QPoint(x, y), *picture);
        if (DrawnItems* drawn = DrawnOf(host_))
            drawn->Picture(QRect(QPoint(x, y), picture->size()), bitmap.resId);
    }
}

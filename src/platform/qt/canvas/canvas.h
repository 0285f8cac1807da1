// SPDX-License-Identifier: GPL-3.0-or-later
// The client area's picture in memory, which every render draws on and the screen only
// copies from, at any pixel ratio.
#pragma once

#include "platform/qt/canvas/paint_target.h"
#include "platform/qt/canvas/view_font.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

// The off-screen picture of the client area and the one painter that draws on it.
// Every drawing surface of a render shares the painter (Qt allows one painter per
// device, and the views open surfaces inside each other). The canvas remembers the
// part it has drawn on, so clearing it for the next render costs only that part.
//
// The views draw in view pixels; at a pixel ratio above 1 (a screen scaled by the
// desktop, a larger export) the picture has that many device pixels per view pixel,
// and text is drawn at the device's resolution. Every edge falls on a whole device
// pixel, and lines one view pixel wide are equally wide everywhere.
class Canvas final : public PaintTarget {
  public:
    // All that the views draw, whatever the size of the window: the canvas of the
    // client window has this size, and the window shows plain white beyond it. The
    // longest text, a team's qualification on its page, reaches x = 712.
    static constexpr int kWidth = 720;
    static constexpr int kHeight = 480;

    explicit Canvas(QSize size, qreal pixelRatio = 1);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // PixelRatio() device pixels for each of the Size() view pixels.
    const QImage& Image() const { return image_; }
    QSize Size() const { return size_; }
    qreal PixelRatio() const { return ratio_; }
    // Draws at another ratio from now on, on a white picture with no text kept.
    void SetPixelRatio(qreal ratio);

    // Back to white, as a render begins.
    void Clear();
    // Ends the painter, so that the picture can be shown or replaced; the next drawing
    // operation begins it again.
    void EndPainting();
    bool Painting() const { return painter_.isActive(); }

    // Drawing, in canvas pixels; whatever falls outside the canvas is dropped.
    void Fill(const QRect& rect, QRgb colour) override;
    // A text on its opaque white cell, top-left corner of the cell at the point.
    void Text(QPoint topLeft, std::string_view text, QRgb colour) override;
    void Points(std::span<const QPoint> points, QRgb colour) override;
    void Line(QPoint from, QPoint to, QRgb colour, int width) override;
    void Picture(QPoint topLeft, const QImage& picture) override;
    // Makes the cell of a text ahead of its first drawing.
    void PrepareText(std::string_view text, QRgb colour) {
        if (!text.empty())
            TextCell(text, colour);
    }

  private:
    QPainter& Painter();
    bool Scaled() const { return ratio_ != 1; }
    // The device pixels of an area in view pixels, at a ratio above 1.
    QRect DeviceRect(const QRect& rect) const;
    // A picture with the canvas's ratio, or one of view pixels scaled up, at the point.
    void DrawScaled(QPoint topLeft, const QImage& picture);
    void Touch(const QRect& rect) { drawn_ |= rect; }
    const QImage& TextCell(std::string_view text, QRgb colour);
    const QImage* FindTextCell(std::string_view text, QRgb colour);
    const QImage& KeepTextCell(QImage cell);
    QRect CellRect(QPoint topLeft, const QString& text) const;
    // A text's cell drawn on an image of its own.
    QImage DrawCell(const QString& text, QRgb colour) const;

    QSize size_;
    qreal ratio_;
    QImage image_;
    QPainter painter_;
    ViewFont font_;
    QRect drawn_;
    // Text cells drawn once and copied afterwards, keyed by colour and text: the views
    // draw the same few hundred texts on every render.
    std::unordered_map<std::string, QImage> textCells_;
    qsizetype textCellBytes_ = 0;
    std::string key_;
};

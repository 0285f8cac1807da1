// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/paint_target.h"
#include "platform/qt/view_font.h"

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
class Canvas final : public PaintTarget {
  public:
    // All that the views draw, whatever the size of the window: the canvas of the
    // client window has this size, and the window shows plain white beyond it. The
    // longest text, a team's qualification on its page, reaches x = 712.
    static constexpr int kWidth = 720;
    static constexpr int kHeight = 480;

    explicit Canvas(QSize size);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    const QImage& Image() const { return image_; }
    QSize Size() const { return image_.size(); }

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
    void Touch(const QRect& rect) { drawn_ |= rect; }
    const QImage& TextCell(std::string_view text, QRgb colour);
    const QImage* FindTextCell(std::string_view text, QRgb colour);
    const QImage& KeepTextCell(QImage cell);
    QRect CellRect(QPoint topLeft, const QString& text) const;
    // A text's cell drawn on an image of its own.
    QImage DrawCell(const QString& text, QRgb colour) const;

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

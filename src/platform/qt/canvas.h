#pragma once

#include "platform/qt/paint_target.h"
#include "platform/qt/view_font.h"

#include <QImage>
#include <QPainter>
#include <QRect>

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
    // The views are laid out for this area; the canvas is never smaller.
    static constexpr int kMinWidth = 640;
    static constexpr int kMinHeight = 480;

    explicit Canvas(QSize size);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    const QImage& Image() const { return image_; }
    QSize Size() const { return image_.size(); }

    // Makes the canvas at least this large (and never below the minimum). A larger
    // canvas starts out white: the caller draws it again. Not while painting.
    bool Grow(QSize atLeast);
    // Back to white, as a render begins.
    void Clear();
    // Ends the painter, so that the picture can be shown or replaced; the next drawing
    // operation begins it again.
    void EndPainting();
    bool Painting() const { return painter_.isActive(); }

    // Drawing, in canvas pixels; whatever falls outside the canvas is dropped.
    void Fill(const QRect& rect, QRgb colour) override;
    void Text(QPoint topLeft, std::string_view text, QRgb colour) override;
    void Points(std::span<const QPoint> points, QRgb colour) override;
    void Line(QPoint from, QPoint to, QRgb colour, int width) override;
    void Picture(QPoint topLeft, const QImage& picture) override;

  private:
    QPainter& Painter();
    void Touch(const QRect& rect) { drawn_ |= rect; }
    const QImage& TextCell(std::string_view text, QRgb colour);

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

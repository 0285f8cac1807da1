// SPDX-License-Identifier: GPL-3.0-or-later
// Draws through a QPainter with a font without ligatures, so a PDF's text can be
// searched, and repeats a picture's pixels on paper so that it prints sharp.
#include "platform/qt/canvas/painter_target.h"

#include "platform/qt/canvas/utf8.h"

#include <QPainter>
#include <QPen>

#include <QPaintEngine>

#include <algorithm>
#include <cmath>

namespace {

// Pictures on paper at no fewer pixels per inch than this.
constexpr double kPrintPixelsPerInch = 300;

// The view's font without ligatures: a PDF's text layer would hold "ﬁ" for "fi", and
// searching it for a word with those letters would find nothing.
QFont TextLayerFont(QFont font) {
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

// How many times a picture's pixels are repeated so that it prints sharp: a PDF viewer or
// printer would blur the few pixels a view has per inch of paper. A drawing (SVG) opens
// at its own size on screen, and its pictures stay as they are.
int PrintRepeat(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = painter.device();
    if (!engine || !device || engine->type() == QPaintEngine::SVG || device->logicalDpiX() <= 0)
        return 1;
    const double viewPixelsPerInch = device->logicalDpiX() / painter.transform().m11();
    return std::max(1, static_cast<int>(std::ceil(kPrintPixelsPerInch / viewPixelsPerInch)));
}

} // namespace

PainterTarget::PainterTarget(QPainter& painter) : painter_(painter) {
    painter_.setFont(TextLayerFont(font_.font));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    // Pictures as they are, not as lossy JPEG.
    painter_.setRenderHint(QPainter::LosslessImageRendering, true);
}

void PainterTarget::Fill(const QRect& rect, QRgb colour) {
    painter_.fillRect(rect, QColor(colour));
}

void PainterTarget::Text(QPoint topLeft, std::string_view text, QRgb colour) {
    if (text.empty())
        return;
    const QString string = FromUtf8(text);
    const QFontMetrics& metrics = font_.metrics;
    // The cell the canvas would copy: the text's advance wide, a line high, in white.
    painter_.fillRect(QRect(topLeft.x(), topLeft.y(),
                            std::max(1, metrics.horizontalAdvance(string)), metrics.height()),
                      Qt::white);
    painter_.setPen(QColor(colour));
    painter_.drawText(QPoint(topLeft.x(), topLeft.y() + metrics.ascent()), string);
}

void PainterTarget::Points(std::span<const QPoint> points, QRgb colour) {
    const QColor pixel(colour);
    for (const QPoint& p : points)
        painter_.fillRect(QRect(p, QSize(1, 1)), pixel);
}

void PainterTarget::Line(QPoint from, QPoint to, QRgb colour, int width) {
    QPen pen(QColor(colour), width);
    pen.setCapStyle(Qt::FlatCap);
    painter_.setPen(pen);
    painter_.drawLine(from, to);
}

void PainterTarget::Picture(QPoint topLeft, const QImage& picture) {
    const int repeat = PrintRepeat(painter_);
    if (repeat == 1) {
        painter_.drawImage(topLeft, picture);
        return;
    }
    painter_.drawImage(
        QRect(topLeft, picture.size()),
        picture.scaled(picture.size() * repeat, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/painter_target.h"

#include "platform/qt/utf8.h"

#include <QPainter>
#include <QPen>

#include <algorithm>

PainterTarget::PainterTarget(QPainter& painter) : painter_(painter) {
    painter_.setFont(font_.font);
    painter_.setRenderHint(QPainter::Antialiasing, false);
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
    painter_.drawImage(topLeft, picture);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The contact sheet: every picture at four times its size, pixels kept square, with its
// file name underneath, so a reviewer sees all of them at once.
#include "picgen.h"

#include <QPainter>

namespace picgen {

namespace {

constexpr int kZoom = 4;
constexpr int kMargin = 16;
constexpr int kLabelHeight = 22;
constexpr int kSheetWidth = 2200;

} // namespace

QImage contactSheet(const std::vector<Picture>& pictures) {
    // First pass: flow the cells into rows.
    struct Cell {
        QPoint at;
        const Picture* picture;
    };
    std::vector<Cell> cells;
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    int width = 0;
    for (const Picture& pic : pictures) {
        const QSize cell = pic.image.size() * kZoom + QSize(0, kLabelHeight);
        const int cellWidth = std::max(cell.width(), 80);
        if (x > kMargin && x + cellWidth > kSheetWidth - kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        cells.push_back({QPoint(x, y), &pic});
        x += cellWidth + kMargin;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, cell.height());
    }
    const QSize size(width, y + rowHeight + kMargin);

    QImage sheet = canvas(size, QColor(208, 208, 212));
    QPainter p(&sheet);
    for (const Cell& c : cells) {
        const QImage& img = c.picture->image;
        const QRect target(c.at, img.size() * kZoom);
        // Nearest neighbour: the sheet is for judging pixels.
        p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        p.drawImage(target, img);
        p.setPen(QPen(QColor(90, 90, 100), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(target.adjusted(-1, -1, 0, 0));
        const QPainterPath label = textPath(c.picture->name, false);
        const QRectF ink = label.boundingRect();
        const double scale = 14.0 / 200.0; // 14 px type from the 200 px outline
        QTransform t;
        t.translate(target.left(), target.bottom() + 6 - ink.top() * scale);
        t.scale(scale, scale);
        t.translate(-ink.left(), 0);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.fillPath(t.map(label), QColor(20, 20, 30));
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    return sheet;
}

} // namespace picgen

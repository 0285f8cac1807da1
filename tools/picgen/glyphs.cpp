// SPDX-License-Identifier: GPL-3.0-or-later
// The tool bar's command glyphs (20 x 20, opaque on the button face) and the program icon.
#include "picgen.h"

#include <QPainter>

namespace picgen {

namespace {

const QColor kInk(48, 48, 56);

void save(QPainter& p) {
    // A floppy disk; outline points sit on pixel centres so the aliased rim stays sharp.
    const QColor blue(40, 70, 150);
    p.setPen(QPen(QColor(20, 34, 80), 1));
    p.setBrush(blue);
    p.drawPolygon(
        QPolygon{QPoint(2, 2), QPoint(15, 2), QPoint(17, 4), QPoint(17, 17), QPoint(2, 17)});
    p.fillRect(QRect(6, 3, 8, 5), QColor(200, 204, 210)); // shutter
    p.fillRect(QRect(11, 4, 2, 3), blue);
    p.fillRect(QRect(4, 10, 12, 7), QColor(250, 250, 250)); // label
    p.fillRect(QRect(5, 12, 10, 1), QColor(150, 150, 160));
    p.fillRect(QRect(5, 14, 10, 1), QColor(150, 150, 160));
}

void matchResult(QPainter& p) {
    // A ball with a pencil: "write down the score".
    paintBall(p, QPointF(7.5, 12.5), 6.0);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(13.5, 8.5);
    p.rotate(45);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(245, 190, 40));
    p.drawRect(QRectF(-2, -8, 4, 11)); // barrel
    p.setBrush(QColor(230, 120, 140));
    p.drawRect(QRectF(-2, -10, 4, 2)); // rubber
    QPolygonF tip{QPointF(-2, 3), QPointF(2, 3), QPointF(0, 7)};
    p.setBrush(QColor(240, 215, 170));
    p.drawPolygon(tip);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF{QPointF(-0.8, 5.4), QPointF(0.8, 5.4), QPointF(0, 7)});
}

void roundBadge(QPainter& p, const QColor& colour) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawEllipse(QPointF(10, 10), 8.5, 8.5);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void about(QPainter& p) {
    roundBadge(p, QColor(0, 96, 184));
    const QColor white(255, 255, 255);
    p.fillRect(QRect(9, 4, 2, 2), white);
    p.fillRect(QRect(9, 8, 2, 7), white);
    p.fillRect(QRect(8, 8, 1, 1), white);
    p.fillRect(QRect(8, 14, 4, 1), white);
}

void schedule(QPainter& p) {
    // A calendar page.
    p.fillRect(QRect(3, 4, 14, 14), QColor(252, 252, 252));
    p.fillRect(QRect(3, 4, 14, 4), kTournamentRed);
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(3, 4, 13, 13));
    p.fillRect(QRect(6, 2, 1, 4), kInk);
    p.fillRect(QRect(13, 2, 1, 4), kInk);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            const bool today = row == 1 && col == 2;
            p.fillRect(QRect(5 + 3 * col, 9 + 3 * row, 2, 2),
                       today ? kTournamentRed : QColor(120, 124, 140));
        }
    }
}

void standings(QPainter& p) {
    // A podium: winner in the middle.
    struct Step {
        QRect rect;
        QColor colour;
    };
    const Step steps[] = {{QRect(1, 10, 6, 8), QColor(192, 196, 204)},
                          {QRect(7, 5, 6, 13), QColor(236, 188, 40)},
                          {QRect(13, 12, 6, 6), QColor(200, 130, 70)}};
    p.setPen(QPen(kInk, 1));
    for (const Step& s : steps) {
        p.setBrush(s.colour);
        p.drawRect(s.rect.adjusted(0, 0, -1, -1));
    }
    p.fillRect(QRect(9, 7, 2, 4), kInk); // the "1"
}

void clearAll(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const QColor& c : {QColor(120, 10, 10), QColor(220, 40, 40)}) {
        const double w = (c == QColor(220, 40, 40)) ? 2.6 : 4.0;
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
    }
}

void stadiums(QPainter& p) {
    // A stadium from above: stands round a pitch.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(170, 174, 186));
    p.drawRoundedRect(QRectF(1.5, 3.5, 17, 13), 5, 5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(5, 7, 10, 6), QColor(40, 150, 60));
    p.fillRect(QRect(10, 7, 1, 6), QColor(250, 250, 250));
    p.fillRect(QRect(5, 9, 1, 2), QColor(250, 250, 250));
    p.fillRect(QRect(14, 9, 1, 2), QColor(250, 250, 250));
}

void help(QPainter& p) {
    roundBadge(p, QColor(224, 140, 0));
    fillText(p, QStringLiteral("?"), QRectF(6.5, 4, 7, 12), QColor(255, 255, 255));
}

} // namespace

QImage drawCommandGlyph(int id) {
    QImage img = canvas(QSize(20, 20), kButtonFace);
    QPainter p(&img);
    switch (id) {
    case 101:
        save(p);
        break;
    case 102:
        matchResult(p);
        break;
    case 103:
        about(p);
        break;
    case 104:
        schedule(p);
        break;
    case 105:
        standings(p);
        break;
    case 106:
        clearAll(p);
        break;
    case 107:
        stadiums(p);
        break;
    case 108:
        help(p);
        break;
    default:
        return {};
    }
    return img;
}

QImage drawIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double s = size;
    const QPointF centre(0.5 * s, 0.5 * s);
    const QRectF orbit(0.03 * s, 0.30 * s, 0.94 * s, 0.40 * s);
    // The ball sits in a tilted ring of the tournament's colours: back half first.
    auto ring = [&](const QColor& colour, int startDeg, int spanDeg) {
        p.save();
        p.translate(centre);
        p.rotate(-20);
        p.translate(-centre);
        p.setPen(QPen(colour, std::max(1.6, 0.075 * s), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(orbit, startDeg * 16, spanDeg * 16);
        p.restore();
    };
    ring(kTournamentNavy, 10, 160);
    paintBall(p, centre, 0.38 * s);
    ring(kTournamentRed, 190, 160);
    return img;
}

} // namespace picgen

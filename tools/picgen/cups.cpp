// SPDX-License-Identifier: GPL-3.0-or-later
// The silver cup (full size and small) and the tournament emblem. Both are our own
// designs; the cup is drawn once in a 115 x 190 design space and scaled for the small one.
#include "picgen.h"

#include <QLinearGradient>
#include <QPainter>

namespace picgen {

namespace {

constexpr QSizeF kCupDesign(115, 190);
constexpr double kAxis = 57.5;

// Polished silver: a bright band left of centre, darker towards both edges.
QLinearGradient silver(double left, double right) {
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0.00, QColor(104, 110, 120));
    g.setColorAt(0.16, QColor(190, 196, 204));
    g.setColorAt(0.32, QColor(252, 252, 253));
    g.setColorAt(0.50, QColor(208, 212, 219));
    g.setColorAt(0.78, QColor(146, 152, 162));
    g.setColorAt(1.00, QColor(92, 98, 108));
    return g;
}

QPainterPath mirrored(const QPainterPath& leftHalf) {
    return QTransform(-1, 0, 0, 1, 2 * kAxis, 0).map(leftHalf);
}

void paintPlinth(QPainter& p) {
    QPainterPath block;
    block.moveTo(27, 151);
    block.lineTo(88, 151);
    block.lineTo(92, 185);
    block.lineTo(23, 185);
    block.closeSubpath();
    QLinearGradient wood(23, 0, 92, 0);
    wood.setColorAt(0.0, QColor(38, 30, 28));
    wood.setColorAt(0.35, QColor(92, 70, 58));
    wood.setColorAt(1.0, QColor(30, 22, 20));
    p.fillPath(block, wood);
    p.fillRect(QRectF(25, 150, 65, 3), silver(25, 90));
    // The name plate.
    p.fillRect(QRectF(44, 161, 27, 13), silver(44, 71));
    p.setPen(QPen(QColor(80, 84, 92), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(44, 161, 27, 13));
    for (double y : {165.0, 169.5})
        p.drawLine(QPointF(48, y), QPointF(67, y));
}

void paintFootAndStem(QPainter& p) {
    QPainterPath foot;
    foot.moveTo(52, 124);
    foot.cubicTo(52, 134, 40, 140, 33, 147);
    foot.lineTo(82, 147);
    foot.cubicTo(75, 140, 63, 134, 63, 124);
    foot.closeSubpath();
    p.fillPath(foot, silver(33, 82));
    p.setBrush(silver(31, 84));
    p.setPen(QPen(QColor(96, 100, 110), 0.8));
    p.drawEllipse(QPointF(kAxis, 147), 25, 4);

    p.fillRect(QRectF(52.5, 96, 10, 30), silver(52.5, 62.5));
    p.setBrush(silver(47, 68));
    p.drawEllipse(QPointF(kAxis, 110), 10.5, 5.5); // the knop
    p.drawEllipse(QPointF(kAxis, 98), 12, 3.5);    // collar under the bowl
}

void paintHandles(QPainter& p) {
    QPainterPath left;
    left.moveTo(30, 28);
    left.cubicTo(4, 20, 0, 58, 41, 78);
    p.setBrush(Qt::NoBrush);
    // A darker rim first: bright silver alone fades into the white panel.
    p.setPen(QPen(QColor(126, 132, 142), 7.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(left);
    p.drawPath(mirrored(left));
    QPen pen(QBrush(silver(0, 40)), 5.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.drawPath(left);
    pen.setBrush(silver(75, 115));
    p.setPen(pen);
    p.drawPath(mirrored(left));
}

void paintBowl(QPainter& p) {
    QPainterPath bowl;
    bowl.moveTo(24, 16);
    bowl.cubicTo(24, 62, 40, 88, 50, 97);
    bowl.lineTo(65, 97);
    bowl.cubicTo(75, 88, 91, 62, 91, 16);
    bowl.closeSubpath();
    p.fillPath(bowl, silver(24, 91));

    // An engraved band and a soft shadow low on the bowl give it volume.
    p.save();
    p.setClipPath(bowl);
    p.setPen(QPen(QColor(120, 126, 136), 1.0));
    p.drawLine(QPointF(20, 34), QPointF(95, 34));
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    p.drawLine(QPointF(20, 36), QPointF(95, 36));
    QLinearGradient under(0, 55, 0, 97);
    under.setColorAt(0, QColor(0, 0, 20, 0));
    under.setColorAt(1, QColor(0, 0, 20, 70));
    p.fillRect(QRectF(20, 55, 75, 45), under);
    p.restore();

    // The mouth: the inside is seen in shadow, behind a bright lip.
    QLinearGradient inside(24, 0, 91, 0);
    inside.setColorAt(0.0, QColor(150, 155, 164));
    inside.setColorAt(0.6, QColor(92, 97, 107));
    inside.setColorAt(1.0, QColor(132, 137, 146));
    p.setBrush(inside);
    p.setPen(QPen(QBrush(silver(22, 93)), 2.2));
    p.drawEllipse(QPointF(kAxis, 16), 33.5, 5.5);
}

} // namespace

QImage drawCup(QSize size) {
    QImage img = canvas(size, kPanelWhite);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double scale =
        std::min(size.width() / kCupDesign.width(), size.height() / kCupDesign.height());
    p.translate((size.width() - kCupDesign.width() * scale) / 2,
                (size.height() - kCupDesign.height() * scale) / 2);
    p.scale(scale, scale);
    paintPlinth(p);
    paintFootAndStem(p);
    paintHandles(p);
    paintBowl(p);
    return img;
}

QImage drawEmblem() {
    QImage img = canvas(QSize(41, 94), kPanelWhite);
    QPainter p(&img);
    paintBall(p, QPointF(20.5, 19.0), 15.5);
    fillText(p, QStringLiteral("EURO"), QRectF(3, 40, 35, 10), kTournamentNavy);
    fillText(p, QStringLiteral("96"), QRectF(6, 53, 29, 24), kTournamentRed);
    p.fillRect(QRect(3, 80, 35, 1), kTournamentRed);
    fillText(p, QStringLiteral("ENGLAND"), QRectF(3, 83, 35, 7), kTournamentNavy);
    return img;
}

} // namespace picgen

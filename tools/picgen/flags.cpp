// SPDX-License-Identifier: GPL-3.0-or-later
// Flags as flown in 1996, drawn for any box size so that the 40 x 30 pictures and the
// small button flags share one design. Stripes and crosses land on whole pixels so their
// edges stay sharp; only curves and diagonals are antialiased.
#include "picgen.h"

#include <QPainter>
#include <QtMath>

#include <cmath>
#include <numeric>

namespace picgen {

namespace {

// Colours follow each country's published flag colours.
const QColor kWhite(255, 255, 255);
const QColor kEnglandRed(206, 17, 36);
const QColor kSwissRed(218, 41, 28);
const QColor kDutchRed(174, 28, 40);
const QColor kDutchBlue(33, 70, 139);
const QColor kSaltireBlue(0, 94, 184);
const QColor kSpainRed(170, 21, 27);
const QColor kSpainYellow(241, 191, 0);
const QColor kBulgariaGreen(0, 150, 110);
const QColor kBulgariaRed(214, 38, 18);
const QColor kRomaniaBlue(0, 43, 127);
const QColor kRomaniaYellow(252, 209, 22);
const QColor kRomaniaRed(206, 17, 38);
const QColor kFranceBlue(0, 35, 149);
const QColor kFranceRed(237, 41, 57);
const QColor kGermanyBlack(0, 0, 0);
const QColor kGermanyRed(221, 0, 0);
const QColor kGermanyGold(255, 206, 0);
const QColor kCzechRed(215, 20, 26);
const QColor kCzechBlue(17, 69, 126);
const QColor kItalyGreen(0, 146, 70);
const QColor kItalyRed(206, 43, 55);
const QColor kRussiaBlue(0, 57, 166);
const QColor kRussiaRed(213, 43, 30);
const QColor kDenmarkRed(200, 16, 46);
const QColor kPortugalGreen(0, 102, 0);
const QColor kPortugalRed(255, 0, 0);
const QColor kPortugalYellow(255, 255, 0);
const QColor kPortugalBlue(0, 51, 153);
const QColor kTurkeyRed(227, 10, 23);
const QColor kCroatiaRed(255, 0, 0);
const QColor kCroatiaBlue(23, 23, 150);
const QColor kCroatiaSky(0, 147, 221);
const QColor kSilver(214, 214, 214);

// The light grey of the flag frames in the introduction view; the square Swiss flag
// leaves this colour at its sides so that it merges with the frame.
const QColor kFlagField(192, 192, 192);

struct Band {
    QColor colour;
    int weight;
};

// Band edges at whole pixels, rounded from both ends towards the middle so that
// symmetric designs (thirds, Spain's 1:2:1) stay symmetric.
std::vector<int> bandEdges(int length, std::initializer_list<Band> bands) {
    const int total = std::accumulate(bands.begin(), bands.end(), 0,
                                      [](int sum, const Band& b) { return sum + b.weight; });
    std::vector<int> edges{0};
    int done = 0;
    for (const Band& b : bands) {
        done += b.weight;
        if (2 * done <= total)
            edges.push_back(int(std::lround(double(length) * done / total)));
        else
            edges.push_back(length - int(std::lround(double(length) * (total - done) / total)));
    }
    return edges;
}

void horizontalBands(QPainter& p, const QRect& r, std::initializer_list<Band> bands) {
    const std::vector<int> edges = bandEdges(r.height(), bands);
    int i = 0;
    for (const Band& b : bands) {
        p.fillRect(QRect(r.left(), r.top() + edges[i], r.width(), edges[i + 1] - edges[i]),
                   b.colour);
        ++i;
    }
}

void verticalBands(QPainter& p, const QRect& r, std::initializer_list<Band> bands) {
    const std::vector<int> edges = bandEdges(r.width(), bands);
    int i = 0;
    for (const Band& b : bands) {
        p.fillRect(QRect(r.left() + edges[i], r.top(), edges[i + 1] - edges[i], r.height()),
                   b.colour);
        ++i;
    }
}

// Width of a bar centred in `length` pixels: as close to `ideal` as possible while
// leaving the same margin on both sides.
int centredWidth(int length, double ideal) {
    int w = std::max(1, int(std::lround(ideal)));
    if ((length - w) % 2 != 0)
        w += (ideal >= w || w == 1) ? 1 : -1;
    return w;
}

// A centred cross of the given arm widths and spans.
void centredCross(QPainter& p, const QRect& r, int armWidth, int spanX, int spanY,
                  const QColor& colour) {
    p.fillRect(QRect(r.left() + (r.width() - armWidth) / 2, r.top() + (r.height() - spanY) / 2,
                     armWidth, spanY),
               colour);
    p.fillRect(QRect(r.left() + (r.width() - spanX) / 2, r.top() + (r.height() - armWidth) / 2,
                     spanX, armWidth),
               colour);
}

void england(QPainter& p, const QRect& r) {
    p.fillRect(r, kWhite);
    // St George's cross is a fifth of the flag's height wide.
    const int arm = centredWidth(r.height(), r.height() / 5.0);
    centredCross(p, r, arm, r.width(), r.height(), kEnglandRed);
}

void switzerland(QPainter& p, const QRect& r) {
    p.fillRect(r, kSwissRed);
    // Official proportions on a 32-unit square: arms 6 units wide, the cross 20 across.
    const int s = r.height();
    const int arm = centredWidth(s, s * 6 / 32.0);
    const int span = centredWidth(s, s * 20 / 32.0);
    centredCross(p, r, arm, span, span, kWhite);
}

void scotland(QPainter& p, const QRect& r) {
    p.fillRect(r, kSaltireBlue);
    p.save();
    p.setClipRect(r);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF f(r);
    const double w = f.height() / 5.0;
    QPen pen(kWhite, w, Qt::SolidLine, Qt::FlatCap);
    p.setPen(pen);
    // Run the arms past the corners so the flat caps do not leave the corners blue.
    const QPointF d = (f.bottomRight() - f.topLeft()) / std::hypot(f.width(), f.height()) * w;
    const QPointF e(-d.x(), d.y());
    p.drawLine(f.topLeft() - d, f.bottomRight() + d);
    p.drawLine(f.topRight() - e, f.bottomLeft() + e);
    p.restore();
}

// The arms of Spain, simplified to what survives at a dozen pixels: the crowned quartered
// shield between the two pillars. Laid out on a 24-unit grid whose even lines fall on
// pixel edges at the 40 x 30 size, so the parts stay sharp there.
void spanishArms(QPainter& p, QPointF centre, double height) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(centre);
    p.scale(height / 24.0, height / 24.0);
    p.translate(-12, -12);
    p.setPen(Qt::NoPen);

    const QColor gold = kSpainYellow.darker(125);
    // Pillars of Hercules with capitals, bases and crowns, tied by the red scroll.
    for (double x : {0.0, 20.0}) {
        p.fillRect(QRectF(x, 8, 4, 14), kSilver);
        p.fillRect(QRectF(x, 6, 4, 2), gold);
        p.fillRect(QRectF(x, 22, 4, 2), gold);
        p.fillRect(QRectF(x, 2, 4, 2), gold);
    }
    p.fillRect(QRectF(0, 14, 24, 2), kSpainRed);

    QPainterPath shield;
    shield.moveTo(6, 6);
    shield.lineTo(18, 6);
    shield.lineTo(18, 18);
    shield.quadTo(18, 24, 12, 24);
    shield.quadTo(6, 24, 6, 18);
    shield.closeSubpath();
    p.save();
    p.setClipPath(shield);
    p.fillRect(QRectF(6, 6, 6, 8), kSpainRed);      // Castile
    p.fillRect(QRectF(12, 6, 6, 8), kWhite);        // Leon
    p.fillRect(QRectF(6, 14, 6, 10), kSpainYellow); // Aragon
    p.fillRect(QRectF(8, 14, 2, 10), kSpainRed);
    p.fillRect(QRectF(12, 14, 6, 10), kSpainRed);          // Navarre
    p.fillRect(QRectF(8, 8, 2, 4), gold);                  // castle
    p.fillRect(QRectF(14, 8, 2, 4), QColor(130, 40, 120)); // lion
    p.fillRect(QRectF(14, 16, 2, 4), gold);                // chains
    p.restore();

    // Royal crown.
    p.setBrush(gold);
    QPainterPath crown;
    crown.moveTo(6, 6);
    crown.lineTo(6, 2);
    crown.lineTo(9, 4);
    crown.lineTo(12, 0);
    crown.lineTo(15, 4);
    crown.lineTo(18, 2);
    crown.lineTo(18, 6);
    crown.closeSubpath();
    p.drawPath(crown);
    p.restore();
}

void spain(QPainter& p, const QRect& r) {
    horizontalBands(p, r, {{kSpainRed, 1}, {kSpainYellow, 2}, {kSpainRed, 1}});
    // The arms are two fifths of the height tall, centred half a height from the hoist.
    const QRectF f(r);
    spanishArms(p, QPointF(f.left() + f.height() / 2.0, f.center().y()), f.height() * 0.4);
}

void czechRepublic(QPainter& p, const QRect& r) {
    horizontalBands(p, r, {{kWhite, 1}, {kCzechRed, 1}});
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(kCzechBlue);
    const QRectF f(r);
    // The wedge reaches half way along the flag.
    p.drawPolygon(QPolygonF{f.topLeft(), QPointF(f.center().x(), f.center().y()), f.bottomLeft()});
    p.restore();
}

void denmark(QPainter& p, const QRect& r) {
    p.fillRect(r, kDenmarkRed);
    // Dannebrog proportions: 12 + 4 + 21 along, 12 + 4 + 12 across.
    const int arm = centredWidth(r.height(), r.height() * 4 / 28.0);
    const int hoist = int(std::lround(r.width() * 12 / 37.0));
    p.fillRect(QRect(r.left() + hoist, r.top(), arm, r.height()), kWhite);
    p.fillRect(QRect(r.left(), r.top() + (r.height() - arm) / 2, r.width(), arm), kWhite);
}

// Armillary sphere with the shield of Portugal over it.
void portugueseArms(QPainter& p, QPointF c, double d) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(c);
    p.scale(d / 20.0, d / 20.0);
    QPen ring(kPortugalYellow, 1.6);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 9.2, 9.2);
    p.setPen(QPen(kPortugalYellow, 1.2));
    p.drawEllipse(QPointF(0, 0), 9.2, 3.2); // equator
    p.save();
    p.rotate(-30);
    p.drawEllipse(QPointF(0, 0), 9.2, 2.6); // ecliptic
    p.restore();
    p.drawEllipse(QPointF(0, 0), 3.0, 9.2); // meridian

    QPainterPath shield;
    shield.moveTo(-5.2, -6.2);
    shield.lineTo(5.2, -6.2);
    shield.lineTo(5.2, 2);
    shield.quadTo(5.2, 6.8, 0, 6.8);
    shield.quadTo(-5.2, 6.8, -5.2, 2);
    shield.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kPortugalRed);
    p.drawPath(shield);
    // Castles on the red border.
    p.setBrush(kPortugalYellow);
    for (QPointF castle : {QPointF(-3.9, -5), QPointF(0, -5), QPointF(3.9, -5), QPointF(-4, 0),
                           QPointF(4, 0), QPointF(-2.6, 4.6), QPointF(2.6, 4.6)})
        p.drawRect(QRectF(castle - QPointF(0.6, 0.6), QSizeF(1.2, 1.2)));
    QTransform inner = QTransform::fromScale(0.6, 0.62) * QTransform::fromTranslate(0, -0.3);
    p.setBrush(kWhite);
    p.drawPath(inner.map(shield));
    // The five escutcheons, set as a cross.
    p.setBrush(kPortugalBlue);
    for (QPointF q : {QPointF(0, -2.7), QPointF(-1.8, -0.6), QPointF(0, -0.6), QPointF(1.8, -0.6),
                      QPointF(0, 1.5)})
        p.drawRect(QRectF(q - QPointF(0.65, 0.8), QSizeF(1.3, 1.6)));
    p.restore();
}

void portugal(QPainter& p, const QRect& r) {
    verticalBands(p, r, {{kPortugalGreen, 2}, {kPortugalRed, 3}});
    const int split = bandEdges(r.width(), {{kPortugalGreen, 2}, {kPortugalRed, 3}})[1];
    // The sphere sits on the colour boundary, half the flag's height across.
    const QRectF f(r);
    portugueseArms(p, QPointF(f.left() + split, f.center().y()), f.height() / 2.0);
}

QPolygonF star(QPointF c, double outer, double firstAngleDeg) {
    const double inner =
        outer * std::sin(qDegreesToRadians(18.0)) / std::sin(qDegreesToRadians(126.0));
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double a = qDegreesToRadians(firstAngleDeg + 36.0 * i);
        const double rad = (i % 2 == 0) ? outer : inner;
        poly << c + QPointF(std::cos(a), std::sin(a)) * rad;
    }
    return poly;
}

void turkey(QPainter& p, const QRect& r) {
    p.fillRect(r, kTurkeyRed);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    // Turkish flag law, in flag heights G: crescent circles of 1/2 G and 2/5 G set 1/16 G
    // apart, the star's circle 1/4 G across with one point to the hoist.
    const QRectF f(r);
    const double g = f.height();
    const QPointF outer(f.left() + 0.53 * g, f.center().y());
    const QPointF inner = outer + QPointF(g / 16.0, 0);
    p.setBrush(kWhite);
    p.drawEllipse(outer, g / 4.0, g / 4.0);
    p.setBrush(kTurkeyRed);
    p.drawEllipse(inner, g / 5.0, g / 5.0);
    p.setBrush(kWhite);
    p.drawPolygon(star(outer + QPointF(0.323 * g, 0), g / 8.0, 180.0));
    p.restore();
}

// The chequy shield of Croatia under its crown of five small shields, on whole pixels:
// at flag sizes a rounded outline would only blur the squares.
void croatianArms(QPainter& p, const QRect& r) {
    const int c = std::max(1, int(std::lround(r.height() / 15.0)));
    const int left = r.left() + (r.width() - 5 * c) / 2;
    const int top = r.top() + int(std::lround(r.height() * 0.3));
    // Five rows of five, then the point of the shield.
    std::vector<QRect> cells;
    std::vector<bool> red;
    for (int row = 0; row < 6; ++row) {
        for (int col = 0; col < 5; ++col) {
            if (row == 5 && (col == 0 || col == 4))
                continue;
            cells.emplace_back(left + col * c, top + row * c, c, c);
            red.push_back((row + col) % 2 == 0);
        }
    }
    // At larger sizes a red border keeps the white squares apart from the white band.
    if (c >= 2) {
        for (const QRect& cell : cells)
            p.fillRect(cell.adjusted(-1, -1, 1, 1), kCroatiaRed);
    }
    for (size_t i = 0; i < cells.size(); ++i)
        p.fillRect(cells[i], red[i] ? kCroatiaRed : kWhite);

    const int crownHeight = std::max(1, int(std::lround(c * 1.5)));
    for (int i = 0; i < 5; ++i) {
        const int h = (i == 0 || i == 4) ? std::max(1, crownHeight - 1) : crownHeight;
        const int gap = (c >= 2) ? 1 : 0;
        p.fillRect(QRect(left + i * c, top - gap - h, c, h),
                   (i % 2 == 0) ? kCroatiaSky : kCroatiaBlue);
    }
}

void croatia(QPainter& p, const QRect& r) {
    horizontalBands(p, r, {{kCroatiaRed, 1}, {kWhite, 1}, {kCroatiaBlue, 1}});
    croatianArms(p, r);
}

} // namespace

QRect flagFrame(Team team, const QRect& box) {
    if (team != Team::Switzerland)
        return box;
    const int side = std::min(box.width(), box.height());
    return QRect(box.left() + (box.width() - side) / 2, box.top() + (box.height() - side) / 2, side,
                 side);
}

void paintFlag(QPainter& p, Team team, const QRect& r) {
    switch (team) {
    case Team::England:
        return england(p, r);
    case Team::Switzerland:
        return switzerland(p, r);
    case Team::Netherlands:
        return horizontalBands(p, r, {{kDutchRed, 1}, {kWhite, 1}, {kDutchBlue, 1}});
    case Team::Scotland:
        return scotland(p, r);
    case Team::Spain:
        return spain(p, r);
    case Team::Bulgaria:
        return horizontalBands(p, r, {{kWhite, 1}, {kBulgariaGreen, 1}, {kBulgariaRed, 1}});
    case Team::Romania:
        return verticalBands(p, r, {{kRomaniaBlue, 1}, {kRomaniaYellow, 1}, {kRomaniaRed, 1}});
    case Team::France:
        return verticalBands(p, r, {{kFranceBlue, 1}, {kWhite, 1}, {kFranceRed, 1}});
    case Team::Germany:
        return horizontalBands(p, r, {{kGermanyBlack, 1}, {kGermanyRed, 1}, {kGermanyGold, 1}});
    case Team::CzechRepublic:
        return czechRepublic(p, r);
    case Team::Italy:
        return verticalBands(p, r, {{kItalyGreen, 1}, {kWhite, 1}, {kItalyRed, 1}});
    case Team::Russia:
        return horizontalBands(p, r, {{kWhite, 1}, {kRussiaBlue, 1}, {kRussiaRed, 1}});
    case Team::Denmark:
        return denmark(p, r);
    case Team::Portugal:
        return portugal(p, r);
    case Team::Turkey:
        return turkey(p, r);
    case Team::Croatia:
        return croatia(p, r);
    }
}

QImage drawFlag(Team team) {
    const QRect box(0, 0, 40, 30);
    QImage img = canvas(box.size(), kFlagField);
    QPainter p(&img);
    paintFlag(p, team, flagFrame(team, box));
    return img;
}

QImage drawFlagGlyph(Team team) {
    QImage img = canvas(QSize(20, 20), kButtonFace);
    QPainter p(&img);
    const QRect frame = flagFrame(team, QRect(1, 4, 18, 12));
    paintFlag(p, team, frame);
    // A dark rim keeps white bands (England, Russia, Bulgaria) apart from the grey button.
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame.adjusted(-1, -1, 0, 0));
    return img;
}

} // namespace picgen

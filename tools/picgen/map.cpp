// SPDX-License-Identifier: GPL-3.0-or-later
#include "picgen.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTransform>

#include <optional>

namespace picgen {

namespace {

constexpr QSize kMapSize(250, 268);

// The coastline data set was clipped to this box; edges along it are cuts, not coast.
constexpr double kCutEast = 2.5;
constexpr double kCutSouth = 49.5;

// Least-squares fit of the stadiums' lon/lat to their agreed pixels (see the README of
// the data). The half-pixel shift puts a city on the centre of its pixel, not a corner.
QTransform lonLatToPixel() {
    QTransform t(18.3141, 1.0049, -0.7631, -29.7083, 238.835, 1752.617);
    return t * QTransform::fromTranslate(0.5, 0.5);
}

std::optional<QJsonObject> readJson(const QString& file, QString* error) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open %1").arg(file);
        return std::nullopt;
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(f.readAll(), &parseError);
    if (!doc.isObject()) {
        *error = QStringLiteral("%1: %2").arg(file, parseError.errorString());
        return std::nullopt;
    }
    return doc.object();
}

bool onCut(QPointF a, QPointF b) {
    return (a.x() >= kCutEast && b.x() >= kCutEast) || (a.y() <= kCutSouth && b.y() <= kCutSouth);
}

struct Land {
    QPainterPath fill;  // lon/lat
    QPainterPath coast; // lon/lat, open polylines
};

std::optional<Land> readLand(const QString& file, QString* error) {
    const auto root = readJson(file, error);
    if (!root)
        return std::nullopt;
    const QJsonArray rings = root->value(QLatin1String("polygons")).toArray();
    if (rings.isEmpty()) {
        *error = QStringLiteral("%1: no polygons").arg(file);
        return std::nullopt;
    }

    Land land;
    land.fill.setFillRule(Qt::WindingFill);
    std::optional<double> eastCoastLat;
    for (const QJsonValue& ringValue : rings) {
        QPolygonF ring;
        for (const QJsonValue& pt : ringValue.toArray()) {
            const QJsonArray lonLat = pt.toArray();
            ring << QPointF(lonLat.at(0).toDouble(), lonLat.at(1).toDouble());
        }
        if (ring.size() < 4) {
            *error = QStringLiteral("%1: ring with %2 points").arg(file).arg(ring.size());
            return std::nullopt;
        }
        land.fill.addPolygon(ring);
        land.fill.closeSubpath();

        // Stroke the coast only; a line along a clipping cut would draw a false shore.
        bool penDown = false;
        for (qsizetype i = 1; i < ring.size(); ++i) {
            if (onCut(ring[i - 1], ring[i])) {
                penDown = false;
                continue;
            }
            if (!penDown)
                land.coast.moveTo(ring[i - 1]);
            land.coast.lineTo(ring[i]);
            penDown = true;
        }
        for (const QPointF& p : ring) {
            if (p.x() >= kCutEast && p.y() > kCutSouth)
                eastCoastLat = std::max(eastCoastLat.value_or(p.y()), p.y());
        }
    }

    // The data stop at 2.5 deg E, a few pixels short of the right edge, which would leave
    // a strip of false sea off Flanders. Carry the coast on to Zeebrugge and fill the
    // mainland out past the picture's edges.
    if (eastCoastLat) {
        const QPointF shore(kCutEast, *eastCoastLat);
        const QPointF zeebrugge(3.2, 51.33);
        const QPointF beyond(5.0, 51.75);
        land.fill.addPolygon(QPolygonF{shore, QPointF(kCutEast, 48.5), QPointF(5.0, 48.5), beyond,
                                       zeebrugge, shore});
        land.fill.closeSubpath();
        land.coast.moveTo(shore);
        land.coast.lineTo(zeebrugge);
        land.coast.lineTo(beyond);
    }
    return land;
}

struct City {
    QString name;
    QPoint pixel;
};

std::optional<std::vector<City>> readCities(const QString& file, QString* error) {
    const auto root = readJson(file, error);
    if (!root)
        return std::nullopt;
    std::vector<City> cities;
    for (const QJsonValue& v : root->value(QLatin1String("cities")).toArray()) {
        const QJsonObject c = v.toObject();
        cities.push_back(
            {c.value(QLatin1String("city")).toString(),
             QPoint(c.value(QLatin1String("x")).toInt(-1), c.value(QLatin1String("y")).toInt(-1))});
    }
    if (cities.size() != 8) {
        *error = QStringLiteral("%1: expected 8 cities, found %2").arg(file).arg(cities.size());
        return std::nullopt;
    }
    return cities;
}

// A 3 x 3 dot set pixel by pixel: its centre must carry the marker colour exactly. A
// larger dot would reach the sea at Newcastle, whose agreed pixel lies only about 2 px
// from the mouth of the Tyne.
void markCity(QImage& img, QPoint c) {
    const QRgb colour = kMapMarker.rgb();
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx)
            img.setPixel(c.x() + dx, c.y() + dy, colour);
    }
}

} // namespace

QImage drawMap(const QString& dataDir, QString* error) {
    const auto land = readLand(dataDir + QStringLiteral("/great-britain-coast.json"), error);
    if (!land)
        return {};
    const auto cities = readCities(dataDir + QStringLiteral("/host-cities.json"), error);
    if (!cities)
        return {};

    QImage img = canvas(kMapSize, kMapSea);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, true);
        const QTransform toPixel = lonLatToPixel();
        p.setPen(Qt::NoPen);
        p.setBrush(kMapLand);
        p.drawPath(toPixel.map(land->fill));
        QPen coastPen(kMapCoast, 0.8);
        coastPen.setJoinStyle(Qt::RoundJoin);
        p.setPen(coastPen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(toPixel.map(land->coast));
    }
    for (const City& city : *cities) {
        if (!QRect(QPoint(2, 2), kMapSize - QSize(4, 4)).contains(city.pixel)) {
            *error = QStringLiteral("city %1 lies off the map").arg(city.name);
            return {};
        }
        markCity(img, city.pixel);
    }
    return img;
}

} // namespace picgen

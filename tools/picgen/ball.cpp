// SPDX-License-Identifier: GPL-3.0-or-later
// A classic 32-panel football: the faces of a truncated icosahedron blown up onto a
// sphere and seen from the front, so the seams curve the way they do on a real ball.
#include "picgen.h"

#include <QPainter>
#include <QRadialGradient>
#include <QVector3D>

#include <algorithm>
#include <array>
#include <cmath>

namespace picgen {

namespace {

const double kPhi = (1.0 + std::sqrt(5.0)) / 2.0;

// Cyclic permutations with every sign combination of the non-zero coordinates.
std::vector<QVector3D> cyclicSigned(const std::vector<std::array<double, 3>>& seeds) {
    std::vector<QVector3D> out;
    for (const auto& s : seeds) {
        for (int sx : {1, -1}) {
            for (int sy : {1, -1}) {
                for (int sz : {1, -1}) {
                    if ((s[0] == 0 && sx < 0) || (s[1] == 0 && sy < 0) || (s[2] == 0 && sz < 0))
                        continue;
                    const std::array<double, 3> v{s[0] * sx, s[1] * sy, s[2] * sz};
                    for (int k = 0; k < 3; ++k)
                        out.emplace_back(v[k % 3], v[(k + 1) % 3], v[(k + 2) % 3]);
                }
            }
        }
    }
    return out;
}

struct Face {
    std::vector<QVector3D> corners; // on the unit sphere, in order around the face
    QVector3D normal;
    bool pentagon;
};

std::vector<Face> ballFaces() {
    const std::vector<QVector3D> vertices =
        cyclicSigned({{0, 1, 3 * kPhi}, {1, 2 + kPhi, 2 * kPhi}, {kPhi, 2, 2 * kPhi + 1}});
    // Pentagons face the icosahedron's corners, hexagons the dodecahedron's.
    std::vector<std::pair<QVector3D, bool>> centres;
    for (const QVector3D& v : cyclicSigned({{0, 1, kPhi}}))
        centres.emplace_back(v, true);
    for (const QVector3D& v : cyclicSigned({{0, 1 / kPhi, kPhi}}))
        centres.emplace_back(v, false);
    for (int sx : {1, -1})
        for (int sy : {1, -1})
            for (int sz : {1, -1})
                centres.emplace_back(QVector3D(sx, sy, sz), false);

    std::vector<Face> faces;
    for (const auto& [centre, pentagon] : centres) {
        const QVector3D n = centre.normalized();
        std::vector<QVector3D> sorted = vertices;
        std::sort(sorted.begin(), sorted.end(), [&](const QVector3D& a, const QVector3D& b) {
            return QVector3D::dotProduct(a, n) > QVector3D::dotProduct(b, n);
        });
        sorted.resize(pentagon ? 5 : 6);
        // Order the corners around the normal.
        const QVector3D u = (sorted[0] - n * QVector3D::dotProduct(sorted[0], n)).normalized();
        const QVector3D w = QVector3D::crossProduct(n, u);
        std::sort(sorted.begin(), sorted.end(), [&](const QVector3D& a, const QVector3D& b) {
            return std::atan2(QVector3D::dotProduct(a, w), QVector3D::dotProduct(a, u)) <
                   std::atan2(QVector3D::dotProduct(b, w), QVector3D::dotProduct(b, u));
        });
        Face face{{}, n, pentagon};
        for (const QVector3D& v : sorted)
            face.corners.push_back(v.normalized());
        faces.push_back(face);
    }
    return faces;
}

// Turns one pentagon to the viewer (+z), then tips the ball a little for depth.
QVector3D orient(const QVector3D& v) {
    const QVector3D front = QVector3D(0, 1, kPhi).normalized();
    const double toFront = std::acos(front.z());
    // Rotate about the x axis so that `front` lands on +z.
    auto rotX = [](const QVector3D& p, double a) {
        return QVector3D(p.x(), p.y() * std::cos(a) - p.z() * std::sin(a),
                         p.y() * std::sin(a) + p.z() * std::cos(a));
    };
    auto rotY = [](const QVector3D& p, double a) {
        return QVector3D(p.x() * std::cos(a) + p.z() * std::sin(a), p.y(),
                         -p.x() * std::sin(a) + p.z() * std::cos(a));
    };
    auto rotZ = [](const QVector3D& p, double a) {
        return QVector3D(p.x() * std::cos(a) - p.y() * std::sin(a),
                         p.x() * std::sin(a) + p.y() * std::cos(a), p.z());
    };
    QVector3D r = rotX(v, toFront);
    r = rotZ(r, 0.18);
    r = rotX(r, 0.28);
    return rotY(r, -0.30);
}

} // namespace

void paintBall(QPainter& p, QPointF centre, double radius) {
    static const std::vector<Face> faces = ballFaces();

    struct Projected {
        QPolygonF outline;
        double depth;
        bool pentagon;
    };
    std::vector<Projected> visible;
    for (const Face& face : faces) {
        const double depth = orient(face.normal).z();
        if (depth < -0.4)
            continue;
        QPolygonF outline;
        const size_t n = face.corners.size();
        for (size_t i = 0; i < n; ++i) {
            const QVector3D a = face.corners[i];
            const QVector3D b = face.corners[(i + 1) % n];
            for (int step = 0; step < 8; ++step) {
                QVector3D q = orient((a + (b - a) * (step / 8.0f)).normalized());
                // Points behind the ball are pinned to its rim, which is where they vanish.
                QPointF flat(q.x(), -q.y());
                if (q.z() < 0)
                    flat /= std::hypot(flat.x(), flat.y());
                outline << centre + flat * radius;
            }
        }
        visible.push_back({outline, depth, face.pentagon});
    }
    std::sort(visible.begin(), visible.end(),
              [](const Projected& a, const Projected& b) { return a.depth < b.depth; });

    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.setClipPath(disc);
    p.fillPath(disc, QColor(250, 250, 250));
    p.setPen(QPen(QColor(110, 110, 110), std::max(0.5, radius * 0.035)));
    for (const Projected& face : visible) {
        p.setBrush(face.pentagon ? QColor(28, 28, 34) : QColor(250, 250, 250));
        p.drawPolygon(face.outline);
    }
    // Light from the upper left.
    QRadialGradient shade(centre - QPointF(0.35, 0.4) * radius, 1.45 * radius);
    shade.setColorAt(0.0, QColor(255, 255, 255, 70));
    shade.setColorAt(0.45, QColor(255, 255, 255, 0));
    shade.setColorAt(1.0, QColor(0, 0, 30, 130));
    p.fillPath(disc, shade);
    p.setClipping(false);
    p.setPen(QPen(QColor(50, 50, 60), std::max(0.7, radius * 0.05)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

} // namespace picgen

// SPDX-License-Identifier: GPL-3.0-or-later
// How pictures become files, and how files are checked against what the generator draws.
//
// A picture must come out the same on every processor. Qt turns premultiplied pixels into
// the straight alpha a PNG file holds with SIMD code built on the processor's approximate
// reciprocal, whose last bits differ between processor makers; a colour that falls exactly
// half-way between two levels then rounds up on one machine and down on another. So the
// generator converts each pixel itself with qUnpremultiply, Qt's scalar integer formula
// (the same on every machine, and premultiplying its result gives the drawn pixel back),
// and hands the PNG writer only straight alpha.
#include "picgen.h"

#include <QFile>
#include <QRgb>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace picgen {

namespace {

QImage straightAlpha(const QImage& image) {
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        return image;
    QImage out(image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        std::transform(from, from + image.width(), to, [](QRgb p) { return qUnpremultiply(p); });
    }
    return out;
}

// Both sides as straight 32-bit pixels: opaque formats convert to it exactly.
QImage comparable(const QImage& image) {
    return straightAlpha(image).convertToFormat(QImage::Format_ARGB32);
}

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

} // namespace

bool writePicture(const QImage& image, const QString& file) {
    return straightAlpha(image).save(file, "PNG");
}

bool matchesFile(const QImage& drawn, const QString& file) {
    if (!QFile::exists(file)) {
        std::fprintf(stderr, "missing in the tree: %s\n", qPrintable(file));
        return false;
    }
    const QImage stored = comparable(QImage(file, "PNG"));
    if (stored.isNull()) {
        std::fprintf(stderr, "not a readable PNG file: %s\n", qPrintable(file));
        return false;
    }
    const QImage expected = comparable(drawn);
    if (stored.size() != expected.size()) {
        std::fprintf(stderr, "differs from the generator: %s is %dx%d, the generator draws %dx%d\n",
                     qPrintable(file), stored.width(), stored.height(), expected.width(),
                     expected.height());
        return false;
    }
    long differing = 0;
    int largest = 0;
    QPoint first;
    for (int y = 0; y < stored.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(stored.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(expected.constScanLine(y));
        for (int x = 0; x < stored.width(); ++x) {
            const int d = channelDistance(a[x], b[x]);
            if (d == 0)
                continue;
            if (differing++ == 0)
                first = QPoint(x, y);
            largest = std::max(largest, d);
        }
    }
    if (differing == 0)
        return true;
    std::fprintf(stderr,
                 "differs from the generator: %s, %ld pixels, the largest by %d colour levels, "
                 "the first at (%d, %d)\n",
                 qPrintable(file), differing, largest, first.x(), first.y());
    return false;
}

} // namespace picgen

// SPDX-License-Identifier: GPL-3.0-or-later
#include "picgen.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>

namespace picgen {

namespace {

QString g_family;

} // namespace

bool loadFonts(const QString& fontDir, QString* error) {
    // Load the exact files instead of asking the system for "a sans font": whatever the
    // desktop prefers must not change a single pixel of the output.
    for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
        const QString path = fontDir + QLatin1Char('/') + QLatin1String(file);
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            *error = QStringLiteral("cannot load font %1 (install fonts-dejavu-core)").arg(path);
            return false;
        }
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            *error = QStringLiteral("font %1 has no family").arg(path);
            return false;
        }
        g_family = families.first();
    }
    return true;
}

QPainterPath textPath(const QString& text, bool bold) {
    QFont font(g_family);
    // Outlines are taken at a large size and scaled down by the caller, so hinting
    // would only distort them.
    font.setPixelSize(200);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setBold(bold);
    font.setKerning(true);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

void fillText(QPainter& p, const QString& text, const QRectF& box, const QColor& colour,
              bool bold) {
    const QPainterPath path = textPath(text, bold);
    const QRectF ink = path.boundingRect();
    QTransform fit;
    fit.translate(box.left(), box.top());
    fit.scale(box.width() / ink.width(), box.height() / ink.height());
    fit.translate(-ink.left(), -ink.top());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(fit.map(path));
    p.restore();
}

} // namespace picgen

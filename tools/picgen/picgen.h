// SPDX-License-Identifier: GPL-3.0-or-later
// Shared declarations of the picture generator. Every picture is drawn from code so that
// the committed PNG files can be rebuilt byte for byte (scripts/pictures --check).
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <vector>

class QPainter;

namespace picgen {

// The tool bar's face colour (Qt's default window colour). Glyphs are opaque, so their
// background has to match the bar they sit on.
inline const QColor kButtonFace(239, 239, 239);

// The windows that show the emblem and the cups are painted white.
inline const QColor kPanelWhite(255, 255, 255);

// Colours of the tournament, shared by the emblem, the icon and a few glyphs.
inline const QColor kTournamentNavy(20, 40, 110);
inline const QColor kTournamentRed(200, 16, 46);

// Map palette. The marker colour is checked pixel-exactly by the tests, so markers are
// set pixel by pixel and never antialiased.
inline const QColor kMapSea(166, 203, 232);
inline const QColor kMapLand(221, 232, 190);
inline const QColor kMapCoast(96, 120, 96);
inline const QColor kMapMarker(170, 0, 20);

// A blank opaque canvas; QImage::save writes Format_RGB32 as a plain 24-bit PNG.
QImage canvas(QSize size, const QColor& fill);

// text.cpp
bool loadFonts(const QString& fontDir, QString* error);
// Outline of a DejaVu Sans text, unhinted so that it scales cleanly.
QPainterPath textPath(const QString& text, bool bold);
// Fills the text stretched to exactly cover the box.
void fillText(QPainter& p, const QString& text, const QRectF& box, const QColor& colour,
              bool bold = true);

// map.cpp
// Reads great-britain-coast.json and host-cities.json from the data folder.
QImage drawMap(const QString& dataDir, QString* error);

// flags.cpp: the sixteen teams in their team-index order.
enum class Team {
    England,
    Switzerland,
    Netherlands,
    Scotland,
    Spain,
    Bulgaria,
    Romania,
    France,
    Germany,
    CzechRepublic,
    Italy,
    Russia,
    Denmark,
    Portugal,
    Turkey,
    Croatia,
};
inline constexpr int kTeamCount = 16;

// Where the flag of the team lies inside a box: the whole box, except for the square
// Swiss flag, which is centred.
QRect flagFrame(Team team, const QRect& box);
void paintFlag(QPainter& p, Team team, const QRect& frame);
QImage drawFlag(Team team);      // 40 x 30
QImage drawFlagGlyph(Team team); // 20 x 20 button

// ball.cpp
void paintBall(QPainter& p, QPointF centre, double radius);

// cups.cpp
QImage drawCup(QSize size);
QImage drawEmblem();

// glyphs.cpp
QImage drawCommandGlyph(int id); // 101 to 108
QImage drawIcon(int size);

// sheet.cpp
struct Picture {
    QString name;
    QImage image;
};
QImage contactSheet(const std::vector<Picture>& pictures);

// files.cpp
// Writes the picture as a PNG file whose pixels do not depend on the processor.
bool writePicture(const QImage& image, const QString& file);
// Whether the file holds exactly the drawn pixels; says on stderr how it differs if not.
bool matchesFile(const QImage& drawn, const QString& file);

} // namespace picgen

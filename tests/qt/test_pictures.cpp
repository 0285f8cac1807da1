// SPDX-License-Identifier: GPL-3.0-or-later
// The committed pictures and the program's built-in copy of them: the program copies
// them pixel for pixel at fixed positions, so a wrong size, a transparent pixel or a
// city dot off its city shows up on screen.
#include "platform/qt/canvas/picture_pixels.h"
#include "platform/qt/canvas/pictures.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

QImage loadPicture(const QString& name) {
    return QImage(QStringLiteral(KORVEL_PICTURES_DIR "/") + name + QStringLiteral(".png"));
}

QImage loadPicture(int id) { return loadPicture(QString::number(id)); }

int channelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// A colour matches a nominal flag colour if no channel is off by more than this; loose
// enough for shade choices, tight enough to tell red from orange or blue from black.
constexpr int kColourTolerance = 48;

::testing::AssertionResult near(QRgb actual, QColor expected) {
    if (channelDistance(actual, expected.rgb()) <= kColourTolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got (" << qRed(actual) << ", " << qGreen(actual) << ", " << qBlue(actual)
           << "), expected about (" << expected.red() << ", " << expected.green() << ", "
           << expected.blue() << ")";
}

struct PictureFile {
    int id;
    int width;
    int height;
};

std::vector<PictureFile> everyLoadedPicture() {
    std::vector<PictureFile> all{
        {500, 250, 268}, {502, 41, 94}, {503, 115, 190}, {520, 30, 50}, {150, 32, 32}};
    for (int id = 601; id <= 616; ++id)
        all.push_back({id, 40, 30});
    for (int id = 101; id <= 108; ++id)
        all.push_back({id, 20, 20});
    for (int id = 111; id <= 126; ++id)
        all.push_back({id, 20, 20});
    return all;
}

// Every file the program draws is built into it pixel for pixel (transparency included),
// and the program carries no picture without a file.
TEST(Pictures, EveryPictureIsBuiltInPixelForPixelAtItsExactSize) {
    std::vector<PictureFile> all = everyLoadedPicture();
    all.push_back({0, 64, 64}); // icon-64, the window icon's larger size
    for (const PictureFile& p : all) {
        const QString name = p.id ? QString::number(p.id) : QStringLiteral("icon-64");
        SCOPED_TRACE(name.toStdString());
        const QImage file = loadPicture(name);
        ASSERT_FALSE(file.isNull()) << "missing or unreadable";
        EXPECT_EQ(file.width(), p.width);
        EXPECT_EQ(file.height(), p.height);
        const QImage built = PictureImage(name.toStdString());
        EXPECT_EQ(PictureSize(name.toStdString()), file.size());
        EXPECT_EQ(built.convertToFormat(QImage::Format_ARGB32),
                  file.convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_EQ(BuiltInPictures().size(), all.size());
    EXPECT_TRUE(PictureImage("icon-256").isNull()) << "only installed, for launchers";
}

// Bitmaps are copied without transparency, so a see-through pixel would show as garbage.
// Only the window icon may be transparent.
TEST(Pictures, BitmapsAreOpaque) {
    for (const PictureFile& p : everyLoadedPicture()) {
        if (p.id == 150)
            continue;
        SCOPED_TRACE(p.id);
        const QImage img = loadPicture(p.id).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(img.isNull());
        int seeThrough = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                seeThrough += qAlpha(img.pixel(x, y)) != 255;
        EXPECT_EQ(seeThrough, 0);
    }
}

// --- The map --------------------------------------------------------------------------

const QColor kMarker(170, 0, 20);

struct City {
    const char* name;
    int x;
    int y;
};

// The views draw each stadium's label line from these pixels.
constexpr City kCities[] = {
    {"Manchester", 155, 161}, {"Liverpool", 146, 162}, {"Nottingham", 171, 177},
    {"Birmingham", 163, 193}, {"Newcastle", 169, 119}, {"Leeds", 168, 153},
    {"Sheffield", 173, 164},  {"London", 198, 221},
};

// Reference colours are read from the map itself: open Atlantic in the top-left corner
// and the middle of Ireland, far from any coast or marker.
struct MapColours {
    QRgb sea;
    QRgb land;
};

MapColours mapColours(const QImage& map) { return {map.pixel(2, 2), map.pixel(60, 170)}; }

bool looksLikeLand(QRgb pixel, const MapColours& c) {
    return channelDistance(pixel, c.land) < channelDistance(pixel, c.sea);
}

TEST(Map, SeaAndLandAreClearlyDifferent) {
    const QImage map = loadPicture(500);
    ASSERT_FALSE(map.isNull());
    const MapColours c = mapColours(map);
    EXPECT_GE(channelDistance(c.sea, c.land), 30);
    // The North Sea off Yorkshire and the Channel off Brittany are sea.
    EXPECT_EQ(map.pixel(235, 110), c.sea);
    EXPECT_EQ(map.pixel(120, 262), c.sea);
}

TEST(Map, ShowsBritainAndIrelandAtAPlausibleScale) {
    const QImage map = loadPicture(500);
    ASSERT_FALSE(map.isNull());
    const MapColours c = mapColours(map);
    int land = 0;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            land += looksLikeLand(map.pixel(x, y), c);
    const double share = double(land) / (map.width() * map.height());
    // Great Britain and Ireland cover a little over a third of this frame.
    EXPECT_GT(share, 0.25);
    EXPECT_LT(share, 0.50);
}

TEST(Map, EachHostCityHasItsMarkerOnLand) {
    const QImage map = loadPicture(500);
    ASSERT_FALSE(map.isNull());
    const MapColours c = mapColours(map);
    for (const City& city : kCities) {
        SCOPED_TRACE(city.name);
        EXPECT_EQ(map.pixel(city.x, city.y), kMarker.rgb());
        // Every pixel that shares a side with the 3 x 3 dot is land, not sea. (The corners
        // are left out: Newcastle's agreed pixel lies about 2 px from the Tyne's mouth, so
        // its north-east corner neighbour already touches the coast.)
        for (int along = -1; along <= 1; ++along) {
            for (const auto& [dx, dy] : {std::pair{-2, along}, std::pair{2, along},
                                         std::pair{along, -2}, std::pair{along, 2}}) {
                SCOPED_TRACE(testing::Message() << "offset " << dx << ", " << dy);
                EXPECT_TRUE(looksLikeLand(map.pixel(city.x + dx, city.y + dy), c));
            }
        }
    }
}

TEST(Map, MarkersAreOnlyAtTheHostCities) {
    const QImage map = loadPicture(500);
    ASSERT_FALSE(map.isNull());
    for (int y = 0; y < map.height(); ++y) {
        for (int x = 0; x < map.width(); ++x) {
            if (map.pixel(x, y) != kMarker.rgb())
                continue;
            bool nearCity = false;
            for (const City& city : kCities)
                nearCity |= std::abs(x - city.x) <= 1 && std::abs(y - city.y) <= 1;
            EXPECT_TRUE(nearCity) << "marker colour at " << x << ", " << y;
        }
    }
}

// --- Flags ----------------------------------------------------------------------------

struct Tricolour {
    int id;
    const char* country;
    bool vertical;
    QColor bands[3];
};

const QColor kWhite(255, 255, 255);

const Tricolour kTricolours[] = {
    {603, "Netherlands", false, {QColor(174, 28, 40), kWhite, QColor(33, 70, 139)}},
    {606, "Bulgaria", false, {kWhite, QColor(0, 150, 110), QColor(214, 38, 18)}},
    {607, "Romania", true, {QColor(0, 43, 127), QColor(252, 209, 22), QColor(206, 17, 38)}},
    {608, "France", true, {QColor(0, 35, 149), kWhite, QColor(237, 41, 57)}},
    {609, "Germany", false, {QColor(0, 0, 0), QColor(221, 0, 0), QColor(255, 206, 0)}},
    {611, "Italy", true, {QColor(0, 146, 70), kWhite, QColor(206, 43, 55)}},
    {612, "Russia", false, {kWhite, QColor(0, 57, 166), QColor(213, 43, 30)}},
};

TEST(Flags, TricoloursHaveTheirBandsInOrderWithSharpEdges) {
    for (const Tricolour& t : kTricolours) {
        SCOPED_TRACE(t.country);
        const QImage flag = loadPicture(t.id);
        ASSERT_FALSE(flag.isNull());
        const int length = t.vertical ? flag.width() : flag.height();
        const int across = t.vertical ? flag.height() : flag.width();
        auto at = [&](int along, int side) {
            return t.vertical ? flag.pixel(along, side) : flag.pixel(side, along);
        };
        std::vector<QRgb> distinct;
        int lines[3] = {0, 0, 0};
        int lastBand = 0;
        for (int along = 0; along < length; ++along) {
            SCOPED_TRACE(testing::Message() << "line " << along);
            for (int side = 0; side < across; ++side)
                ASSERT_EQ(at(along, side), at(along, 0));
            const QRgb colour = at(along, 0);
            if (std::find(distinct.begin(), distinct.end(), colour) == distinct.end())
                distinct.push_back(colour);
            int band = -1;
            for (int b = 0; b < 3; ++b) {
                if (near(colour, t.bands[b]))
                    band = b;
            }
            ASSERT_GE(band, 0) << "line matches none of the three colours";
            EXPECT_GE(band, lastBand) << "bands out of order";
            lastBand = band;
            ++lines[band];
        }
        // Three pure colours and nothing in between: the stripe edges are not blurred.
        EXPECT_EQ(distinct.size(), 3u);
        for (int count : lines) {
            EXPECT_GE(count, length / 3 - 1);
            EXPECT_LE(count, length / 3 + 1);
        }
    }
}

struct Sample {
    int id;
    const char* what;
    int x;
    int y;
    QColor colour;
};

const QColor kFlagRed(210, 20, 40);

const Sample kFlagSamples[] = {
    {601, "England: cross centre", 20, 15, kFlagRed},
    {601, "England: cross arm at the fly", 39, 15, kFlagRed},
    {601, "England: white canton", 5, 5, kWhite},
    {602, "Switzerland: cross centre", 20, 15, kWhite},
    {602, "Switzerland: red corner of the square", 7, 2, kFlagRed},
    {602, "Switzerland: grey beside the square", 1, 15, QColor(192, 192, 192)},
    {604, "Scotland: saltire centre", 20, 15, kWhite},
    {604, "Scotland: blue above the centre", 20, 3, QColor(0, 94, 184)},
    {604, "Scotland: blue at the hoist", 1, 15, QColor(0, 94, 184)},
    {605, "Spain: red top band", 35, 3, QColor(170, 21, 27)},
    {605, "Spain: yellow middle at the fly", 35, 15, QColor(241, 191, 0)},
    {610, "Czech Republic: blue wedge at the hoist", 2, 15, QColor(17, 69, 126)},
    {610, "Czech Republic: white top", 35, 3, kWhite},
    {610, "Czech Republic: red bottom", 35, 26, kFlagRed},
    {613, "Denmark: cross nearer the hoist", 14, 3, kWhite},
    {613, "Denmark: red in the fly", 30, 5, kFlagRed},
    {614, "Portugal: green hoist", 3, 3, QColor(0, 102, 0)},
    {614, "Portugal: red fly", 36, 26, QColor(255, 0, 0)},
    {616, "Croatia: red top", 3, 3, QColor(255, 0, 0)},
    {616, "Croatia: white middle", 3, 15, kWhite},
    {616, "Croatia: blue bottom", 3, 26, QColor(23, 23, 150)},
};

TEST(Flags, KeyPointsHaveTheRightColour) {
    for (const Sample& s : kFlagSamples) {
        SCOPED_TRACE(s.what);
        const QImage flag = loadPicture(s.id);
        ASSERT_FALSE(flag.isNull());
        EXPECT_TRUE(near(flag.pixel(s.x, s.y), s.colour));
    }
}

TEST(Flags, TurkeyIsRedWithTheCrescentAndStarTowardsTheHoist) {
    const QImage flag = loadPicture(615);
    ASSERT_FALSE(flag.isNull());
    int red = 0;
    int white = 0;
    int whiteInFlyQuarter = 0;
    for (int y = 0; y < flag.height(); ++y) {
        for (int x = 0; x < flag.width(); ++x) {
            const QRgb px = flag.pixel(x, y);
            if (near(px, QColor(227, 10, 23)))
                ++red;
            if (near(px, kWhite)) {
                ++white;
                whiteInFlyQuarter += x >= 3 * flag.width() / 4;
            }
        }
    }
    const int all = flag.width() * flag.height();
    EXPECT_GT(red, all * 8 / 10);
    EXPECT_GT(white, all * 3 / 100);
    EXPECT_EQ(whiteInFlyQuarter, 0);
}

// Each team button shows that team's flag; a mix-up of ids would put, say, the Dutch flag
// on the French button. The small flags are compared with the big ones by their colour at
// matching relative points.
TEST(Flags, ButtonFlagsMatchTheBigFlagsOfTheSameTeam) {
    // Button id for team index 0 to 15 (England first), as the tool bar assigns them.
    constexpr int kButtonIds[16] = {117, 125, 111, 123, 124, 113, 121, 118,
                                    119, 115, 120, 122, 116, 112, 126, 114};
    // Points chosen away from emblems and stripe edges, as fractions of the flag.
    const double points[][2] = {{0.08, 0.12}, {0.92, 0.12}, {0.08, 0.88},
                                {0.92, 0.88}, {0.92, 0.5},  {0.5, 0.06}};
    for (int team = 0; team < 16; ++team) {
        SCOPED_TRACE(testing::Message() << "team " << team << ", button " << kButtonIds[team]);
        const QImage big = loadPicture(601 + team);
        const QImage small = loadPicture(kButtonIds[team]);
        ASSERT_FALSE(big.isNull());
        ASSERT_FALSE(small.isNull());
        // The Swiss flag is square on both; elsewhere the small flag fills 18 x 12 at (1, 4).
        const bool square = team == 1;
        const QRectF bigArea = square ? QRectF(5, 0, 30, 30) : QRectF(0, 0, 40, 30);
        const QRectF smallArea = square ? QRectF(4, 4, 12, 12) : QRectF(1, 4, 18, 12);
        for (const auto& pt : points) {
            const QRgb b = big.pixel(int(bigArea.left() + pt[0] * bigArea.width()),
                                     int(bigArea.top() + pt[1] * bigArea.height()));
            const QRgb s = small.pixel(int(smallArea.left() + pt[0] * smallArea.width()),
                                       int(smallArea.top() + pt[1] * smallArea.height()));
            EXPECT_LE(channelDistance(b, s), 80) << "at " << pt[0] << ", " << pt[1];
        }
    }
}

} // namespace

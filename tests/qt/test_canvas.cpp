// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas surface's pixels: half-open lines and rectangles, opaque text cells, 1:1
// pictures, the default state of each surface, and the standings as the user sees them.
#include "app/draw_app.h"
#include "app/window/draw_window.h"
#include "platform/qt/canvas/view_font.h"
#include "platform/qt/frame/frame_window.h"
#include "views/colours.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QMainWindow>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// A client window whose paint is whatever the test draws.
class SketchWindow : public TWindow {
  public:
    std::function<void(TWindow&)> draw;
    void Paint(bool, const TRect&) override {
        if (draw)
            draw(*this);
    }
};

class CanvasTest : public ::testing::Test {
  protected:
    CanvasTest()
        : frame_(nullptr, "Sketch", std::make_unique<SketchWindow>(), false), window_(frame_) {}

    SketchWindow& Client() { return static_cast<SketchWindow&>(frame_.Client()); }

    const QImage& Render(std::function<void(TWindow&)> draw) {
        Client().draw = std::move(draw);
        Client().Invalidate();
        window_.RunPendingRenders();
        return window_.CanvasImage();
    }

    TDecoratedFrame frame_;
    QtFrameWindow window_;
};

constexpr QRgb kWhitePixel = 0xffffffff;
constexpr QRgb kBlackPixel = 0xff000000;

QRgb Pixel(const QImage& image, QPoint p) { return image.pixel(p); }

std::string Describe(QRgb rgb) {
    return "(" + std::to_string(qRed(rgb)) + "," + std::to_string(qGreen(rgb)) + "," +
           std::to_string(qBlue(rgb)) + ")";
}

std::vector<QPoint> BlackPixelsIn(const QImage& image, QRect area) {
    std::vector<QPoint> found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == kBlackPixel)
                found.emplace_back(x, y);
    return found;
}

struct LineCase {
    const char* name;
    QPoint from;
    QPoint to;
    int pixels; // how many pixels the line sets: the longer extent, end excluded
};

TEST_F(CanvasTest, LinesSetEveryPixelFromTheStartButNotTheEnd) {
    const LineCase cases[] = {
        {"rightwards", {10, 10}, {20, 10}, 10}, {"leftwards", {40, 12}, {30, 12}, 10},
        {"downwards", {50, 10}, {50, 25}, 15},  {"upwards", {60, 25}, {60, 10}, 15},
        {"shallow", {70, 10}, {90, 17}, 20},    {"steep back", {110, 30}, {100, 10}, 20},
        {"diagonal", {120, 10}, {130, 20}, 10},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage& image = Render([&](TWindow& w) {
            TClientDC dc(w);
            dc.MoveTo(c.from.x(), c.from.y());
            dc.LineTo(c.to.x(), c.to.y());
        });
        const QRect box = QRect(c.from, c.to).normalized().adjusted(-2, -2, 2, 2);
        EXPECT_EQ(Pixel(image, c.from), kBlackPixel) << "start pixel";
        EXPECT_EQ(Pixel(image, c.to), kWhitePixel) << "end pixel";
        EXPECT_EQ(static_cast<int>(BlackPixelsIn(image, box).size()), c.pixels);
        // Nothing else on the canvas: a render starts from white.
        EXPECT_EQ(BlackPixelsIn(image, QRect(0, 0, 640, 480)).size(),
                  BlackPixelsIn(image, box).size());
    }
}

TEST_F(CanvasTest, PolylineCornersAreSetAndItsLastPointIsNot) {
    const QImage& image = Render([](TWindow& w) {
        TClientDC dc(w);
        dc.MoveTo(10, 10);
        dc.LineTo(30, 10);
        dc.LineTo(30, 20);
        dc.LineTo(10, 20);
    });
    EXPECT_EQ(Pixel(image, {30, 10}), kBlackPixel);
    EXPECT_EQ(Pixel(image, {30, 20}), kBlackPixel);
    EXPECT_EQ(Pixel(image, {11, 20}), kBlackPixel);
    EXPECT_EQ(Pixel(image, {10, 20}), kWhitePixel);
    EXPECT_EQ(BlackPixelsIn(image, QRect(0, 0, 50, 40)).size(), 20u + 10u + 20u);
}

struct RectCase {
    const char* name;
    TColor pen;
    TColor brush;
    QPoint probe;
    QRgb expected;
};

TEST_F(CanvasTest, RectangleCoversLeftToRightMinusOneWithPenOutlineAndBrushInside) {
    // Rectangle(30, 40, 40, 46): x 30..39, y 40..45.
    const RectCase cases[] = {
        {"top-left corner", TColor::LtRed, TColor::LtBlue, {30, 40}, qRgb(255, 0, 0)},
        {"bottom-right corner", TColor::LtRed, TColor::LtBlue, {39, 45}, qRgb(255, 0, 0)},
        {"inside", TColor::LtRed, TColor::LtBlue, {35, 43}, qRgb(0, 0, 255)},
        {"inside next to the outline", TColor::LtRed, TColor::LtBlue, {38, 44}, qRgb(0, 0, 255)},
        {"left outline", TColor::LtRed, TColor::LtBlue, {30, 43}, qRgb(255, 0, 0)},
        {"right outline", TColor::LtRed, TColor::LtBlue, {39, 42}, qRgb(255, 0, 0)},
        {"bottom outline", TColor::LtRed, TColor::LtBlue, {35, 45}, qRgb(255, 0, 0)},
        {"right edge excluded", TColor::LtRed, TColor::LtBlue, {40, 42}, kWhitePixel},
        {"right edge excluded on the top line",
         TColor::LtRed,
         TColor::LtBlue,
         {40, 40},
         kWhitePixel},
        {"bottom edge excluded on the left line",
         TColor::LtRed,
         TColor::LtBlue,
         {30, 46},
         kWhitePixel},
        {"bottom edge excluded", TColor::LtRed, TColor::LtBlue, {33, 46}, kWhitePixel},
        {"one colour", kDarkYellow, kDarkYellow, {31, 41}, qRgb(192, 192, 0)},
    };
    for (const RectCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage& image = Render([&](TWindow& w) {
            TClientDC dc(w);
            dc.SelectObject(TPen{c.pen, 1});
            dc.SelectObject(TBrush{c.brush});
            dc.Rectangle(30, 40, 40, 46);
        });
        EXPECT_EQ(Pixel(image, c.probe), c.expected)
            << "got " << Describe(Pixel(image, c.probe)) << " want " << Describe(c.expected);
    }
}

TEST_F(CanvasTest, EverySurfaceStartsWithBlackPenWhiteBrushAndBlackText) {
    const QImage& image = Render([](TWindow& w) {
        TClientDC outer(w);
        outer.SelectObject(TPen{TColor::LtRed, 1});
        outer.SelectObject(TBrush{TColor::LtBlue});
        outer.SetTextColor(TColor::LtRed);
        {
            TClientDC inner(w);
            inner.Rectangle(10, 10, 30, 30);
            inner.TextOut(40, 10, "M");
        }
        // The outer surface keeps its own choices after the inner one closed.
        outer.Rectangle(10, 40, 30, 60);
    });
    EXPECT_EQ(Pixel(image, {10, 10}), kBlackPixel);
    EXPECT_EQ(Pixel(image, {20, 20}), kWhitePixel);
    EXPECT_FALSE(BlackPixelsIn(image, QRect(40, 10, 15, 15)).empty()) << "default text colour";
    EXPECT_EQ(Pixel(image, {10, 40}), qRgb(255, 0, 0));
    EXPECT_EQ(Pixel(image, {20, 50}), qRgb(0, 0, 255));
}

TEST_F(CanvasTest, TextCellIsOpaqueWhiteFromTheGivenTopLeftCorner) {
    const ViewFont font;
    const int height = font.metrics.height();
    const int width = font.metrics.horizontalAdvance(QStringLiteral("Hi"));
    const QImage& image = Render([](TWindow& w) {
        TClientDC dc(w);
        dc.SelectObject(TBrush{TColor::Black});
        dc.Rectangle(0, 0, 200, 60);
        dc.TextOut(50, 20, "Hi");
    });
    EXPECT_EQ(Pixel(image, {50, 20}), kWhitePixel) << "cell background at the corner";
    EXPECT_EQ(Pixel(image, {49, 20}), kBlackPixel) << "left of the cell";
    EXPECT_EQ(Pixel(image, {50, 19}), kBlackPixel) << "above the cell";
    EXPECT_EQ(Pixel(image, {50 + width - 1, 20 + height - 1}), kWhitePixel);
    EXPECT_EQ(Pixel(image, {50 + width, 20}), kBlackPixel) << "right of the cell";
    EXPECT_EQ(Pixel(image, {50, 20 + height}), kBlackPixel) << "below the cell";
    // The ink sits on the baseline: the letters' feet are just above y + ascent.
    const int baseline = 20 + font.metrics.ascent();
    int highest = 1000;
    int lowest = 0;
    for (int y = 20; y < 20 + height; ++y) {
        for (int x = 50; x < 50 + width; ++x) {
            if (image.pixel(x, y) != kWhitePixel) {
                highest = std::min(highest, y);
                lowest = std::max(lowest, y);
            }
        }
    }
    EXPECT_EQ(lowest, baseline - 1);
    EXPECT_GT(highest, 20) << "capitals start below the top of the cell";
}

TEST_F(CanvasTest, TextTakesTheSurfaceColour) {
    const QImage& image = Render([](TWindow& w) {
        TClientDC dc(w);
        dc.SetTextColor(TColor::LtBlue);
        dc.TextOut(10, 10, "MMM");
    });
    int blue = 0;
    int other = 0;
    for (int y = 10; y < 30; ++y) {
        for (int x = 10; x < 50; ++x) {
            const QRgb p = image.pixel(x, y);
            if (p == kWhitePixel)
                continue;
            // Smoothed edges blend blue into white; no other hue may appear.
            (qRed(p) == qGreen(p) && qBlue(p) == 255 ? blue : other) += 1;
        }
    }
    EXPECT_GT(blue, 20);
    EXPECT_EQ(other, 0);
}

TEST_F(CanvasTest, ViewFontFitsTheLayout) {
    const ViewFont font;
    EXPECT_EQ(QFontInfo(font.font).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_LE(font.metrics.height(), 15);
    EXPECT_LE(font.metrics.horizontalAdvance(QStringLiteral("Netherlands")), 90);
}

TEST_F(CanvasTest, PicturesAreCopiedPixelForPixel) {
    const TBitmap flag = LoadBitmap(601);
    ASSERT_TRUE(flag) << "picture 601 is not built in";
    const QImage expected = QImage(QStringLiteral(KORVEL_PICTURES_DIR "/601.png"))
                                .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(flag.width, expected.width());
    EXPECT_EQ(flag.height, expected.height());
    const QImage& image = Render([&](TWindow& w) {
        TClientDC dc(w);
        dc.CopyBitmap(flag, 101, 53);
    });
    EXPECT_EQ(image.copy(101, 53, flag.width, flag.height), expected);
    EXPECT_EQ(Pixel(image, {100, 53}), kWhitePixel);
    EXPECT_EQ(Pixel(image, {101 + flag.width, 53}), kWhitePixel);
}

QImage WhiteImage(int width, int height) {
    QImage white(width, height, QImage::Format_RGB32);
    white.fill(kWhitePixel);
    return white;
}

TEST_F(CanvasTest, EachRenderStartsFromWhite) {
    struct Case {
        const char* what;
        std::function<void(TClientDC&)> draw;
    };
    const Case cases[] = {
        {"text", [](TClientDC& dc) { dc.TextOut(300, 200, "Netherlands"); }},
        {"line",
         [](TClientDC& dc) {
             dc.MoveTo(10, 400);
             dc.LineTo(600, 410);
         }},
        {"rectangle",
         [](TClientDC& dc) {
             dc.SelectObject(TBrush{TColor::Gray});
             dc.Rectangle(500, 20, 620, 90);
         }},
        {"picture", [](TClientDC& dc) { dc.CopyBitmap(LoadBitmap(500), 195, 50); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QImage drawn = Render([&](TWindow& w) {
            TClientDC dc(w);
            c.draw(dc);
        });
        ASSERT_NE(drawn.copy(0, 0, 640, 480), WhiteImage(640, 480)) << "nothing was drawn";
        const QImage& next = Render([](TWindow&) {});
        EXPECT_EQ(next.copy(0, 0, 640, 480), WhiteImage(640, 480));
    }
}

TEST_F(CanvasTest, MissingPictureGivesNullHandleThatDrawsNothing) {
    const TBitmap missing = LoadBitmap(9999);
    EXPECT_FALSE(missing);
    const QImage& image = Render([&](TWindow& w) {
        TClientDC dc(w);
        dc.CopyBitmap(missing, 0, 0);
    });
    EXPECT_EQ(image.copy(0, 0, 640, 480), WhiteImage(640, 480));
}

TEST_F(CanvasTest, CanvasIsTheViewsLayoutSizeWhateverTheWindowsSize) {
    for (const QSize size : {QSize(300, 200), QSize(1280, 1024), QSize(3000, 2500)}) {
        window_.Window().resize(size);
        Render([](TWindow&) {});
        EXPECT_EQ(window_.CanvasImage().size(), QSize(720, 480));
    }
    EXPECT_EQ(window_.CanvasImage().format(), QImage::Format_RGB32);
}

// The real standings, drawn by the program on the Qt canvas.
TEST(StandingsCanvas, TreeLinesAndFinalFrameAreWhereTheLayoutPutsThem) {
    TDrawApp app;
    app.InitMainWindow();
    auto& client = static_cast<TDrawWindow&>(app.GetMainWindow()->Client());
    client.FirstTime = 0;
    QtFrameWindow window(*app.GetMainWindow());
    client.Invalidate();
    window.RunPendingRenders();
    const QImage& image = window.CanvasImage();

    struct Probe {
        const char* what;
        QPoint at;
        QRgb expected;
    };
    const Probe probes[] = {
        {"final's frame", {205, 340}, qRgb(192, 192, 0)},
        {"final's left box", {215, 330}, kWhitePixel},
        {"final's outline", {200, 308}, kBlackPixel},
        {"tree line", {60, 258}, kBlackPixel},
        {"corner of the left tree", {130, 258}, kBlackPixel},
        {"last line of the left tree ends before its end point", {10, 318}, kWhitePixel},
        {"the pixel before it", {11, 318}, kBlackPixel},
        {"right tree, end point", {630, 318}, kWhitePixel},
        {"right tree, before it", {629, 318}, kBlackPixel},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(probe.what);
        EXPECT_EQ(Pixel(image, probe.at), probe.expected)
            << "got " << Describe(Pixel(image, probe.at));
    }
}

// The canvas is only as large as the views' layout: whatever a view drew beyond it
// would be cut off without a word. Drawn with the widest scores, every page keeps its
// last column and row white.
TEST(ViewsOnTheCanvas, EveryPageStaysInsideTheCanvas) {
    TDrawApp app;
    app.InitMainWindow();
    auto& client = static_cast<TDrawWindow&>(app.GetMainWindow()->Client());
    client.FirstTime = 0;
    for (Game& game : client.Wedstrijd) {
        game.score1 = 255;
        game.score2 = 254;
        game.gespeeld = 1;
    }
    QtFrameWindow window(*app.GetMainWindow());
    struct Page {
        int view;
        int team;
    };
    std::vector<Page> pages{{0, 0}, {1, 0}, {2, 0}};
    for (int team = 0; team < kTeams; ++team)
        pages.push_back({3, team});
    for (const Page& page : pages) {
        SCOPED_TRACE("view " + std::to_string(page.view) + ", team " + std::to_string(page.team));
        client.SchermType = page.view;
        client.TeamToShow = page.team;
        client.Invalidate();
        window.RunPendingRenders();
        const QImage& image = window.CanvasImage();
        const QRect edges[] = {QRect(image.width() - 1, 0, 1, image.height()),
                               QRect(0, image.height() - 1, image.width(), 1)};
        for (const QRect& edge : edges) {
            const QImage strip = image.copy(edge);
            EXPECT_EQ(strip, WhiteImage(edge.width(), edge.height()));
        }
    }
}

} // namespace

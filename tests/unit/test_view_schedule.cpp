// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/view_test.h"

#include <string>

namespace {

class ViewSchedule : public ViewTest {
  protected:
    ViewSchedule() : ViewTest(1) {}
};

struct Line {
    int match, x, y;
    const char* day;
    const char* time; // with the default offset of two hours
    const char* team1;
    const char* team2;
};

// Every line of the schedule with nothing played: the knock-out rounds already
// carry the teams that the current standings send on.
constexpr Line kLines[] = {
    {0, 0, 0, "8", "1600", "England", "Switzerland"},
    {1, 0, 15, "9", "1530", "Spain", "Bulgaria"},
    {2, 0, 30, "9", "1800", "Germany", "Czech Rep."},
    {3, 0, 45, "9", "2030", "Danmark", "Portugal"},
    {4, 0, 60, "10", "1730", "Netherlands", "Scotland"},
    {5, 0, 75, "10", "2030", "Romenia", "France"},
    {6, 0, 90, "11", "1730", "Italy", "Russia"},
    {7, 0, 105, "11", "2030", "Turkey", "Croatia"},
    {8, 0, 120, "13", "1730", "Bulgaria", "Romenia"},
    {9, 0, 135, "13", "2030", "Switzerland", "Netherlands"},
    {10, 0, 150, "14", "1730", "Portugal", "Turkey"},
    {11, 0, 165, "14", "2030", "Czech Rep.", "Italy"},
    {12, 0, 180, "15", "1615", "Scotland", "England"},
    {13, 0, 195, "15", "1900", "France", "Spain"},
    {14, 0, 210, "16", "1600", "Russia", "Germany"},
    {15, 0, 225, "16", "1900", "Croatia", "Danmark"},
    {16, 0, 240, "18", "1730", "France", "Bulgaria"},
    {17, 0, 255, "18", "1730", "Romenia", "Spain"},
    {18, 0, 270, "18", "2030", "Scotland", "Switzerland"},
    {19, 0, 285, "18", "2030", "Netherlands", "England"},
    {20, 0, 300, "19", "1730", "Croatia", "Portugal"},
    {21, 0, 315, "19", "1730", "Turkey", "Danmark"},
    {22, 0, 330, "19", "2030", "Russia", "Czech Rep."},
    {23, 0, 345, "19", "2030", "Italy", "Germany"},
    {24, 340, 15, "22", "1600", "Bulgaria", "England"},
    {25, 340, 30, "22", "1930", "Spain", "Switzerland"},
    {26, 340, 45, "23", "1600", "Germany", "Portugal"},
    {27, 340, 60, "23", "1930", "Czech Rep.", "Danmark"},
    {28, 340, 105, "26", "1700", "Switzerland", "Danmark"},
    {29, 340, 120, "26", "2030", "England", "Portugal"},
    {30, 340, 165, "30", "2000", "Portugal", "Danmark"},
};

TEST_F(ViewSchedule, EveryMatchStandsOnItsOwnLineWithTeamsAndNoScores) {
    host.Render(window);
    // A screen reader gets each line as a button over the line as drawn.
    const ReadingGuide reading = window.Reading();
    EXPECT_EQ(reading.title, "Schedule");
    ASSERT_EQ(reading.lines.size(), std::size(kLines));
    for (const Line& l : kLines) {
        SCOPED_TRACE("match " + std::to_string(l.match));
        const ReadingLine& button = reading.lines[l.match];
        EXPECT_TRUE(button.pressable);
        EXPECT_EQ(button.text, std::string(l.day) + ", " + l.time + ", " + l.team1 + " - " +
                                   l.team2 + ", not played");
        const TPoint middleOfDay{l.x + 5, l.y + 7};
        EXPECT_TRUE(middleOfDay.x >= button.area.left && middleOfDay.x < button.area.right &&
                    middleOfDay.y >= button.area.top && middleOfDay.y < button.area.bottom);
        EXPECT_EQ(Shown(l.x, l.y), l.day);
        EXPECT_EQ(Shown(l.x + 25, l.y), l.time);
        EXPECT_EQ(Shown(l.x + 70, l.y), l.team1);
        EXPECT_EQ(Shown(l.x + 180, l.y), "-");
        EXPECT_EQ(Shown(l.x + 190, l.y), l.team2);
        EXPECT_EQ(host.TextAt(l.x + 170, l.y), nullptr) << "no score before a result";
        EXPECT_EQ(host.TextAt(l.x + 290, l.y), nullptr) << "no score before a result";
    }
}

TEST_F(ViewSchedule, EnteredScoresAppearOnTheirLines) {
    Result(7, 0, 0);
    Result(23, 2, 3);
    Result(24, 4, 1);
    Result(30, 1, 1);
    host.Render(window);
    struct Score {
        int x, y;
        const char* s1;
        const char* s2;
    };
    const Score scores[] = {
        {0, 105, "0", "0"}, {0, 345, "2", "3"}, {340, 15, "4", "1"}, {340, 165, "1", "1"}};
    for (const Score& s : scores) {
        SCOPED_TRACE("line at (" + std::to_string(s.x) + "," + std::to_string(s.y) + ")");
        EXPECT_EQ(Shown(s.x + 170, s.y), s.s1);
        EXPECT_EQ(Shown(s.x + 290, s.y), s.s2);
    }
    // Groups A and B are untouched, so quarter-final 24 is still Bulgaria against
    // England; won by Bulgaria, it sends Bulgaria into semi-final 29.
    EXPECT_EQ(Shown(410, 120), "Bulgaria");
}

TEST_F(ViewSchedule, GroupLinesWearTheirGroupColour) {
    host.Render(window);
    const TColor colours[] = {kOlive, kLtRed, kLtBlue, kGreen};
    for (int i = 0; i < 4; ++i) {
        const DrawOp* team = host.TextAt(70, 15 * i);
        ASSERT_NE(team, nullptr) << "match " << i;
        EXPECT_EQ(Rgb(team->color), Rgb(colours[i])) << "match " << i;
    }
    for (int y : {15, 105, 165}) {
        const DrawOp* day = host.TextAt(340, y);
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(Rgb(day->color), Rgb(kBlack)) << "knock-out line at y " << y;
    }
}

TEST_F(ViewSchedule, HeadingsInstructionBoxAndLogo) {
    host.Render(window);
    struct Heading {
        int x, y;
        const char* text;
        TColor colour;
    };
    const Heading headings[] = {
        {340, 0, "Quarter finales", kBlack},
        {340, 90, "Semi finals", kBlack},
        {340, 150, "Final", kBlack},
        {350, 250, "Click on a match to enter/edit result", kLtBlue},
    };
    for (const Heading& h : headings) {
        const DrawOp* op = host.TextAt(h.x, h.y);
        ASSERT_NE(op, nullptr) << h.text;
        EXPECT_EQ(op->text, h.text);
        EXPECT_EQ(Rgb(op->color), Rgb(h.colour)) << h.text;
    }

    const auto rects = host.Of(DrawOp::Rect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].x, 340);
    EXPECT_EQ(rects[0].y, 245);
    EXPECT_EQ(rects[0].x2, 630);
    EXPECT_EQ(rects[0].y2, 270);
    EXPECT_EQ(Rgb(rects[0].color), Rgb(kBlack));
    EXPECT_EQ(rects[0].penWidth, 1);
    EXPECT_EQ(Rgb(rects[0].brush), Rgb(kWhite));

    const auto bitmaps = host.Of(DrawOp::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].bitmapId, 502);
    EXPECT_EQ(bitmaps[0].x, 300);
    EXPECT_EQ(bitmaps[0].y, 70);

    // The left column ends with match 23; nothing is drawn below it.
    for (const DrawOp& op : host.Of(DrawOp::Text))
        if (op.x < 340) {
            EXPECT_LE(op.y, 345) << "\"" << op.text << "\"";
        }
}

TEST_F(ViewSchedule, TimeZoneChangesOnlyTheTimeColumn) {
    host.Render(window);
    const auto before = host.Of(DrawOp::Text);
    window.TimeZone = -700;
    host.Render(window);
    const auto after = host.Of(DrawOp::Text);
    ASSERT_EQ(before.size(), after.size());
    int changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(before[i].x, after[i].x);
        EXPECT_EQ(before[i].y, after[i].y);
        const bool timeColumn = before[i].x == 25 || before[i].x == 365;
        if (!timeColumn) {
            EXPECT_EQ(before[i].text, after[i].text)
                << "at (" << before[i].x << "," << before[i].y << ")";
        } else if (before[i].text != after[i].text) {
            ++changed;
        }
    }
    EXPECT_EQ(changed, 31);
    EXPECT_EQ(Shown(25, 0), "700");
}

} // namespace

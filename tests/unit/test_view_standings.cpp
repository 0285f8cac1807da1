// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/view_test.h"

#include <string>
#include <vector>

namespace {

struct Row {
    int px, py, r;
    const char* team;
    const char* played;
    const char* won;
    const char* drawn;
    const char* lost;
    const char* points;
    const char* goals;
};

class ViewStandings : public ViewTest {
  protected:
    ViewStandings() : ViewTest(0) {}

    // Won, drawn and lost are secondary figures in gray; the rest is black.
    void ExpectRow(const Row& row) {
        const int y = row.py + 16 * (row.r + 1);
        ExpectText(row.px, y, row.team, kBlack);
        ExpectText(row.px + 100, y, row.played, kBlack);
        ExpectText(row.px + 120, y, row.won, kGray);
        ExpectText(row.px + 140, y, row.drawn, kGray);
        ExpectText(row.px + 160, y, row.lost, kGray);
        ExpectText(row.px + 180, y, row.points, kBlack);
        ExpectText(row.px + 200, y, row.goals, kBlack);
    }

    // The ops from the champion panel's blanking rectangle on, or none.
    std::vector<DrawOp> PanelOps() const {
        for (std::size_t i = 0; i < host.ops.size(); ++i) {
            const DrawOp& op = host.ops[i];
            if (op.kind == DrawOp::Rect && op.x == 155 && op.y == 45 && op.x2 == 495 &&
                op.y2 == 265)
                return {host.ops.begin() + static_cast<std::ptrdiff_t>(i), host.ops.end()};
        }
        return {};
    }
};

TEST_F(ViewStandings, EmptyTournamentShowsEveryGroupInIndexOrderWithZeroRows) {
    host.Render(window);

    struct Heading {
        int x, y;
        const char* text;
        TColor colour;
    };
    const Heading headings[] = {
        {10, 10, "Group A", kOlive},
        {370, 10, "Group B", kLtRed},
        {10, 110, "Group C", kLtBlue},
        {370, 110, "Group D", kGreen},
    };
    for (const Heading& h : headings)
        ExpectText(h.x, h.y, h.text, h.colour);

    const char* names[4][4] = {
        {"England", "Switzerland", "Netherlands", "Scotland"},
        {"Spain", "Bulgaria", "Romenia", "France"},
        {"Germany", "Czech Rep.", "Italy", "Russia"},
        {"Danmark", "Portugal", "Turkey", "Croatia"},
    };
    for (int g = 0; g < 4; ++g)
        for (int r = 0; r < 4; ++r) {
            SCOPED_TRACE(names[g][r]);
            ExpectRow({headings[g].x, headings[g].y, r, names[g][r], "0", "0", "0", "0", "0",
                       "+0 (0-0)"});
        }
}

TEST_F(ViewStandings, PlayedGroupIsRankedWithItsFiguresAndSignedGoalTexts) {
    Result(0, 1, 1);  // England - Switzerland
    Result(4, 2, 0);  // Netherlands - Scotland
    Result(9, 0, 1);  // Switzerland - Netherlands
    Result(12, 0, 2); // Scotland - England
    Result(18, 1, 1); // Scotland - Switzerland
    Result(19, 1, 4); // Netherlands - England
    host.Render(window);

    const Row rows[] = {
        {10, 10, 0, "England", "3", "2", "1", "0", "7", "+5 (7-2)"},
        {10, 10, 1, "Netherlands", "3", "2", "0", "1", "6", "+0 (4-4)"},
        {10, 10, 2, "Switzerland", "3", "0", "2", "1", "2", " -1 (2-3)"},
        {10, 10, 3, "Scotland", "3", "0", "1", "2", "1", " -4 (1-5)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.team);
        ExpectRow(row);
    }
    // The group's winner and runner-up move into their quarter-final slots.
    ExpectText(10, 260, "England", kOlive);
    ExpectText(520, 260, "Netherlands", kOlive);
}

TEST_F(ViewStandings, QuarterFinalSlotsShowCurrentPlacesInTheirGroupColours) {
    host.Render(window);

    struct Slot {
        int x, y;
        const char* team;
        TColor colour;
    };
    const Slot slots[] = {
        {10, 240, "Bulgaria", kLtRed},     {10, 260, "England", kOlive},
        {10, 300, "Germany", kLtBlue},     {10, 320, "Portugal", kGreen},
        {520, 240, "Spain", kLtRed},       {520, 260, "Switzerland", kOlive},
        {520, 300, "Czech Rep.", kLtBlue}, {520, 320, "Danmark", kGreen},
    };
    for (const Slot& s : slots)
        ExpectText(s.x, s.y, s.team, s.colour);
}

// The six later slots of the tree, in the order of the table below.
constexpr TPoint kLaterSlots[] = {{140, 270}, {140, 290}, {400, 270},
                                  {400, 290}, {220, 320}, {340, 320}};

TEST_F(ViewStandings, EmptyTournamentShowsNoLaterRoundNamesAndNoChampion) {
    host.Render(window);
    for (TPoint p : kLaterSlots) {
        EXPECT_EQ(host.TextAt(p.x, p.y), nullptr) << "slot (" << p.x << "," << p.y << ")";
    }
    EXPECT_EQ(host.FindText("European Champion 1996"), nullptr);
    EXPECT_TRUE(PanelOps().empty());
    for (const DrawOp& op : host.Of(DrawOp::Bitmap)) {
        EXPECT_EQ(op.bitmapId, 502) << "only the logo is drawn without a champion";
    }
}

TEST_F(ViewStandings, LaterSlotAppearsOnlyOnceItsFeedingMatchIsPlayed) {
    struct Case {
        const char* what;
        int match, s1, s2;
        int slot; // index into kLaterSlots
        const char* team;
    };
    // With nothing else played: 24 Bulgaria-England, 25 Spain-Switzerland,
    // 26 Germany-Portugal, 27 Czech Rep.-Danmark, 28 Switzerland-Danmark,
    // 29 England-Portugal.
    const Case cases[] = {
        {"quarter-final 24 won by its first team", 24, 2, 1, 0, "Bulgaria"},
        {"quarter-final 24 drawn sends its second team on", 24, 1, 1, 0, "England"},
        {"quarter-final 26 drawn", 26, 1, 1, 1, "Portugal"},
        {"quarter-final 25 won by its first team", 25, 3, 0, 2, "Spain"},
        {"quarter-final 27 won by its second team", 27, 0, 1, 3, "Danmark"},
        {"semi-final 29 drawn", 29, 1, 1, 4, "Portugal"},
        {"semi-final 28 won by its first team", 28, 2, 0, 5, "Switzerland"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.WedstrijdSchema();
        Result(c.match, c.s1, c.s2);
        host.Render(window);
        for (int s = 0; s < 6; ++s) {
            const DrawOp* op = host.TextAt(kLaterSlots[s].x, kLaterSlots[s].y);
            if (s != c.slot) {
                EXPECT_EQ(op, nullptr)
                    << "slot " << s << " shows \"" << (op ? op->text : "") << "\"";
                continue;
            }
            ASSERT_NE(op, nullptr) << "slot " << s << " stays empty";
            EXPECT_EQ(op->text, c.team);
            EXPECT_EQ(Rgb(op->color), Rgb(kBlack));
        }
    }
}

TEST_F(ViewStandings, TreeLinesFinalFrameAndLogoAreDrawn) {
    host.Render(window);

    struct Segment {
        int x, y, x2, y2;
    };
    const Segment expected[] = {
        {10, 258, 130, 258},  {130, 258, 130, 318}, {130, 318, 10, 318},  {130, 288, 250, 288},
        {250, 288, 250, 308}, {630, 258, 510, 258}, {510, 258, 510, 318}, {510, 318, 630, 318},
        {510, 288, 390, 288}, {390, 288, 390, 308},
    };
    const auto lines = host.Of(DrawOp::Line);
    ASSERT_EQ(lines.size(), std::size(expected));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("segment " + std::to_string(i));
        EXPECT_EQ(lines[i].x, expected[i].x);
        EXPECT_EQ(lines[i].y, expected[i].y);
        EXPECT_EQ(lines[i].x2, expected[i].x2);
        EXPECT_EQ(lines[i].y2, expected[i].y2);
        EXPECT_EQ(Rgb(lines[i].color), Rgb(kBlack));
        EXPECT_EQ(lines[i].penWidth, 1);
    }

    struct Box {
        int l, t, r, b;
        TColor brush;
    };
    const Box boxes[] = {
        {200, 308, 450, 348, kDarkYellow},
        {210, 318, 320, 338, kWhite},
        {330, 318, 440, 338, kWhite},
    };
    const auto rects = host.Of(DrawOp::Rect);
    ASSERT_EQ(rects.size(), std::size(boxes));
    for (std::size_t i = 0; i < rects.size(); ++i) {
        SCOPED_TRACE("rectangle " + std::to_string(i));
        EXPECT_EQ(rects[i].x, boxes[i].l);
        EXPECT_EQ(rects[i].y, boxes[i].t);
        EXPECT_EQ(rects[i].x2, boxes[i].r);
        EXPECT_EQ(rects[i].y2, boxes[i].b);
        EXPECT_EQ(Rgb(rects[i].color), Rgb(kBlack));
        EXPECT_EQ(rects[i].penWidth, 1);
        EXPECT_EQ(Rgb(rects[i].brush), Rgb(boxes[i].brush));
    }

    const auto bitmaps = host.Of(DrawOp::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0].bitmapId, 502);
    EXPECT_EQ(bitmaps[0].x, 300);
    EXPECT_EQ(bitmaps[0].y, 70);

    struct Label {
        int x;
        const char* text;
    };
    const Label labels[] = {{10, "quarterfinals"},
                            {140, "semifinales"},
                            {310, "final"},
                            {400, "semifinales"},
                            {520, "quarterfinales"}};
    for (const Label& l : labels)
        ExpectText(l.x, 210, l.text, kGray);
}

TEST_F(ViewStandings, PlayedFinalPresentsItsChampionInAPanelDrawnLast) {
    struct Case {
        int s1, s2;
        int champion;
        const char* name;
    };
    // With nothing else played the final is Portugal (13) against Danmark (12).
    const Case cases[] = {
        {2, 1, 13, "Portugal"},
        {1, 2, 12, "Danmark"},
        {1, 1, 12, "Danmark"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.s1) + "-" + std::to_string(c.s2));
        window.WedstrijdSchema();
        Result(30, c.s1, c.s2);
        host.Render(window);

        const auto panel = PanelOps();
        ASSERT_EQ(panel.size(), 7u) << "the panel must be the last thing drawn";

        EXPECT_EQ(Rgb(panel[0].color), Rgb(kWhite));
        EXPECT_EQ(Rgb(panel[0].brush), Rgb(kWhite));

        EXPECT_EQ(panel[1].kind, DrawOp::Rect);
        EXPECT_EQ(panel[1].x, 160);
        EXPECT_EQ(panel[1].y, 50);
        EXPECT_EQ(panel[1].x2, 490);
        EXPECT_EQ(panel[1].y2, 260);
        EXPECT_EQ(Rgb(panel[1].color), Rgb(kBlack));
        EXPECT_EQ(Rgb(panel[1].brush), Rgb(kWhite));

        ExpectText(310, 60, "European Champion 1996", kBlack);
        ExpectText(350, 170, c.name, kBlack);

        int trophies = 0, flags = 0, frames = 0;
        for (const DrawOp& op : panel) {
            if (op.kind == DrawOp::Bitmap && op.bitmapId == 503) {
                ++trophies;
                EXPECT_EQ(op.x, 190);
                EXPECT_EQ(op.y, 60);
            }
            if (op.kind == DrawOp::Bitmap && op.bitmapId != 503) {
                ++flags;
                EXPECT_EQ(op.bitmapId, 601 + c.champion);
                EXPECT_EQ(op.x, 350);
                EXPECT_EQ(op.y, 130);
            }
            if (op.kind == DrawOp::Rect && op.x == 348) {
                ++frames;
                EXPECT_EQ(op.y, 128);
                EXPECT_EQ(op.x2, 392);
                EXPECT_EQ(op.y2, 162);
                EXPECT_EQ(Rgb(op.color), Rgb(kLightGrey));
                EXPECT_EQ(Rgb(op.brush), Rgb(kLightGrey));
            }
        }
        EXPECT_EQ(trophies, 1);
        EXPECT_EQ(flags, 1);
        EXPECT_EQ(frames, 1);
        // The flag goes on top of its grey frame.
        EXPECT_EQ(panel.back().kind, DrawOp::Bitmap);
        EXPECT_EQ(panel.back().bitmapId, 601 + c.champion);
    }
}

TEST_F(ViewStandings, ClearingAllResultsRemovesTheChampionPanelAtTheNextPaint) {
    Result(30, 2, 1);
    host.Render(window);
    ASSERT_FALSE(PanelOps().empty());

    host.ExpectBox("Clear all match results", IDOK);
    ASSERT_TRUE(window.HandleCommand(106));
    host.Render(window);
    EXPECT_TRUE(PanelOps().empty());
    EXPECT_EQ(host.FindText("European Champion 1996"), nullptr);
    for (const DrawOp& op : host.Of(DrawOp::Bitmap)) {
        EXPECT_EQ(op.bitmapId, 502);
    }
}

} // namespace

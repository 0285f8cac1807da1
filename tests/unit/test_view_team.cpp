// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/view_test.h"

#include <string>
#include <vector>

namespace {

class ViewTeam : public ViewTest {
  protected:
    ViewTeam() : ViewTest(3) {}

    void ShowTeam(int team) {
        window.TeamToShow = team;
        host.Render(window);
    }
};

struct MatchRow {
    int y;
    const char* day;
    const char* time;
    const char* team1;
    const char* team2;
    bool firstIsShown; // which name is the shown team's, in light red
};

struct StageHeading {
    int y;
    const char* text;
};

struct Page {
    int team;
    std::vector<MatchRow> rows;
    std::vector<StageHeading> headings;
};

TEST_F(ViewTeam, MatchListHasGroupMatchesThenOneRowPerKnockOutStage) {
    const Page pages[] = {
        {0,
         {{86, "8", "1600", "England", "Switzerland", true},
          {102, "15", "1615", "Scotland", "England", false},
          {118, "18", "2030", "Netherlands", "England", false},
          {166, "22", "1600", "Bulgaria", "England", false},
          {214, "26", "2030", "England", "Portugal", true}},
         {{150, "Quarter finals"}, {198, "Semi finals"}}},
        {13,
         {{86, "9", "2030", "Danmark", "Portugal", false},
          {102, "14", "1730", "Portugal", "Turkey", true},
          {118, "19", "1730", "Croatia", "Portugal", false},
          {166, "23", "1600", "Germany", "Portugal", false},
          {214, "26", "2030", "England", "Portugal", false},
          {262, "30", "2000", "Portugal", "Danmark", true}},
         {{150, "Quarter finals"}, {198, "Semi finals"}, {246, "Final"}}},
    };
    for (const Page& page : pages) {
        SCOPED_TRACE("team " + std::to_string(page.team));
        ShowTeam(page.team);
        ExpectText(20, 70, "First round matches", kLtBlue);
        for (const MatchRow& r : page.rows) {
            SCOPED_TRACE("row at y " + std::to_string(r.y));
            ExpectText(20, r.y, r.day, kBlack);
            ExpectText(45, r.y, r.time, kBlack);
            ExpectText(90, r.y, r.team1, r.firstIsShown ? kLtRed : kBlack);
            ExpectText(200, r.y, "-", kBlack);
            ExpectText(210, r.y, r.team2, r.firstIsShown ? kBlack : kLtRed);
            EXPECT_EQ(host.TextAt(190, r.y), nullptr) << "no score before a result";
            EXPECT_EQ(host.TextAt(310, r.y), nullptr) << "no score before a result";
        }
        for (const StageHeading& h : page.headings)
            ExpectText(20, h.y, h.text, kLtBlue);
        // Nothing else in the list: no extra stage, no second row for a stage.
        int inFirstColumn = 0;
        for (const DrawOp& op : host.Of(DrawOp::Text))
            if (op.x == 20)
                ++inFirstColumn;
        EXPECT_EQ(inFirstColumn, static_cast<int>(1 + page.rows.size() + page.headings.size()));
    }
}

TEST_F(ViewTeam, EnteredScoresAppearInTheMatchRows) {
    Result(0, 2, 1);
    Result(24, 0, 3);
    ShowTeam(0);
    ExpectText(190, 86, "2", kBlack);
    ExpectText(310, 86, "1", kBlack);
    ExpectText(190, 166, "0", kBlack);
    ExpectText(310, 166, "3", kBlack);
    EXPECT_EQ(host.TextAt(190, 102), nullptr);
}

TEST_F(ViewTeam, GroupTableFollowsTheStandingsAndMarksTheShownTeam) {
    struct Row {
        const char* team;
        const char* figures[5];
        const char* goals;
    };
    struct Case {
        const char* what;
        bool playGroupA;
        int shown;
        int shownRow; // place of the shown team in its group
        Row rows[4];
    };
    const Case cases[] = {
        {"England, nothing played",
         false,
         0,
         0,
         {{"England", {"0", "0", "0", "0", "0"}, "+0 (0-0)"},
          {"Switzerland", {"0", "0", "0", "0", "0"}, "+0 (0-0)"},
          {"Netherlands", {"0", "0", "0", "0", "0"}, "+0 (0-0)"},
          {"Scotland", {"0", "0", "0", "0", "0"}, "+0 (0-0)"}}},
        {"Scotland, group A played",
         true,
         3,
         3,
         {{"England", {"3", "2", "1", "0", "7"}, "+5 (7-2)"},
          {"Netherlands", {"3", "2", "0", "1", "6"}, "+0 (4-4)"},
          {"Switzerland", {"3", "0", "2", "1", "2"}, " -1 (2-3)"},
          {"Scotland", {"3", "0", "1", "2", "1"}, " -4 (1-5)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.WedstrijdSchema();
        if (c.playGroupA) {
            Result(0, 1, 1);
            Result(4, 2, 0);
            Result(9, 0, 1);
            Result(12, 0, 2);
            Result(18, 1, 1);
            Result(19, 1, 4);
        }
        ShowTeam(c.shown);
        ExpectText(340, 70, "Group A", kOlive);
        for (int j = 0; j < 4; ++j) {
            const Row& row = c.rows[j];
            const int y = 86 + 16 * j;
            const TColor colour = j == c.shownRow ? kLtRed : kBlack;
            SCOPED_TRACE(row.team);
            ExpectText(340, y, row.team, colour);
            for (int k = 0; k < 5; ++k)
                ExpectText(440 + 20 * k, y, row.figures[k], colour);
            ExpectText(540, y, row.goals, colour);
        }
    }
}

TEST_F(ViewTeam, GroupHeadingWearsTheGroupColour) {
    struct Case {
        int team;
        const char* heading;
        TColor colour;
        const char* first;
    };
    const Case cases[] = {{1, "Group A", kOlive, "England"},
                          {6, "Group B", kLtRed, "Spain"},
                          {11, "Group C", kLtBlue, "Germany"},
                          {15, "Group D", kGreen, "Danmark"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        ShowTeam(c.team);
        ExpectText(340, 70, c.heading, c.colour);
        ExpectText(340, 86, c.first, kBlack);
    }
}

TEST_F(ViewTeam, HeaderShowsFramedFlagNameHistoryAndQualification) {
    ShowTeam(0);
    const auto rects = host.Of(DrawOp::Rect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].x, 30);
    EXPECT_EQ(rects[0].y, 18);
    EXPECT_EQ(rects[0].x2, 74);
    EXPECT_EQ(rects[0].y2, 52);
    EXPECT_EQ(Rgb(rects[0].color), Rgb(kLightGrey));
    EXPECT_EQ(Rgb(rects[0].brush), Rgb(kLightGrey));

    ExpectText(80, 20, "England", kBlack);
    ExpectText(160, 20, "Previous best:", kLtBlue);
    ExpectText(260, 20, "quarterfinalist 1968", kBlack);
    ExpectText(160, 38, "Qualified as:", kLtBlue);
    ExpectText(260, 38, "host country", kBlack);
}

TEST_F(ViewTeam, FlagForEveryTeamAndCupOnlyForFormerWinners) {
    for (int team = 0; team < 16; ++team) {
        SCOPED_TRACE("team " + std::to_string(team));
        ShowTeam(team);
        const bool formerWinner = team == 2 || team == 4 || team == 7 || team == 10 || team == 12;
        int flags = 0, cups = 0;
        for (const DrawOp& op : host.Of(DrawOp::Bitmap)) {
            if (op.bitmapId == 520) {
                ++cups;
                EXPECT_EQ(op.x, 0);
                EXPECT_EQ(op.y, 10);
            } else {
                ++flags;
                EXPECT_EQ(op.bitmapId, 601 + team);
                EXPECT_EQ(op.x, 32);
                EXPECT_EQ(op.y, 20);
            }
        }
        EXPECT_EQ(flags, 1);
        EXPECT_EQ(cups, formerWinner ? 1 : 0);
    }
}

TEST_F(ViewTeam, TeamCommandsShowTheirTeamsPage) {
    struct Case {
        int id, team;
    };
    const Case cases[] = {{111, 2}, {112, 13}, {113, 5}, {114, 15}, {115, 9}, {116, 12},
                          {117, 0}, {118, 7},  {119, 8}, {120, 10}, {121, 6}, {122, 11},
                          {123, 3}, {124, 4},  {125, 1}, {126, 14}};
    for (const Case& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.id));
        window.SchermType = 1;
        window.TeamToShow = 99;
        const int before = host.invalidations;
        ASSERT_TRUE(window.HandleCommand(c.id));
        EXPECT_EQ(window.TeamToShow, c.team);
        EXPECT_EQ(window.SchermType, 3);
        EXPECT_EQ(host.invalidations, before + 1);
    }
}

TEST_F(ViewTeam, PreviousWinnersShowsItsListAndChangesNothing) {
    window.SchermType = 1;
    window.TeamToShow = 5;
    host.ExpectBox("Previous Winners", IDOK);
    ASSERT_TRUE(window.HandleCommand(127));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "1960: Sovjet Union\n"
                                  "1964: Spain\n"
                                  "1968: Italy\n"
                                  "1972: West Germany\n"
                                  "1976: Czechoslovakia\n"
                                  "1980: West Germany\n"
                                  "1984: France\n"
                                  "1988: The Netherlands\n"
                                  "1992: Danmark\n"
                                  "\n"
                                  "All previous winners qualified\n");
    EXPECT_EQ(host.boxes[0].style & MB_BUTTONMASK, MB_OK);
    EXPECT_EQ(host.boxes[0].style & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_EQ(window.SchermType, 1);
    EXPECT_EQ(window.TeamToShow, 5);
    EXPECT_EQ(host.invalidations, 0);
    EXPECT_EQ(window.MoetSaven, 0);
}

} // namespace

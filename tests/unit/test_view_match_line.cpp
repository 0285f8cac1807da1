// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/view_test.h"

#include <string>
#include <vector>

namespace {

class ViewMatchLine : public ViewTest {
  protected:
    ViewMatchLine() : ViewTest(0) {}

    // The time column of match 0's line with the given stored kick-off and offset.
    std::string TimeText(int tijd, int timeZone) {
        window.Wedstrijd[0].tijd = tijd;
        window.TimeZone = timeZone;
        host.ops.clear();
        window.PrintWedstrijdRegel(0, 0, 0);
        return Shown(25, 0);
    }
};

TEST_F(ViewMatchLine, KickOffIsShiftedByTheOffsetWithOneDayOfRollOver) {
    struct Case {
        int tijd, timeZone;
        const char* shown;
    };
    const Case cases[] = {
        {1400, 200, "1600"},   {1400, -700, "700"}, {1400, -130, "1230"}, {1400, 1000, "2400"},
        {1400, 1100, "100+"},  {1330, -700, "630"}, {1400, -400, "1000"}, {1330, -130, "1200"},
        {1415, -130, "1245"},  {1330, 130, "1500"}, {1800, 1000, "400+"}, {1400, -1500, "2300-"},
        {1400, 5000, "4000+"}, {1400, -1400, "0"},  {1800, 600, "2400"},  {1400, 1001, "1+"},
        {700, -701, "2359-"},  {1530, 0, "1530"},   {1830, 600, "30+"},   {1400, -430, "930"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimeText(c.tijd, c.timeZone), c.shown)
            << "kick-off " << c.tijd << " with offset " << c.timeZone;
    }
}

TEST_F(ViewMatchLine, LineHasItsColumnsRelativeToItsOriginAndScoresOnlyWhenPlayed) {
    window.PrintWedstrijdRegel(0, 100, 50);
    struct Piece {
        int dx;
        const char* text;
    };
    const Piece unplayed[] = {
        {0, "8"}, {25, "1600"}, {70, "England"}, {180, "-"}, {190, "Switzerland"},
    };
    for (const Piece& p : unplayed) {
        EXPECT_EQ(Shown(100 + p.dx, 50), p.text) << "column " << p.dx;
    }
    EXPECT_EQ(host.TextAt(270, 50), nullptr) << "no score before a result";
    EXPECT_EQ(host.TextAt(390, 50), nullptr) << "no score before a result";

    Result(0, 3, 2);
    host.ops.clear();
    window.PrintWedstrijdRegel(0, 100, 50);
    EXPECT_EQ(Shown(270, 50), "3");
    EXPECT_EQ(Shown(390, 50), "2");
    EXPECT_EQ(Shown(280, 50), "-");
}

TEST_F(ViewMatchLine, ResultOfZeroZeroIsShownAsScores) {
    Result(7, 0, 0);
    window.PrintWedstrijdRegel(7, 0, 0);
    EXPECT_EQ(Shown(170, 0), "0");
    EXPECT_EQ(Shown(290, 0), "0");
}

TEST_F(ViewMatchLine, WholeLineWearsItsGroupColourOrBlackInTheKnockOut) {
    // The group of each group match, in schedule order.
    const char groups[] = "ABCDABCDBADCABCDBBAADDCC";
    const TColor colourOf[4] = {kOlive, kLtRed, kLtBlue, kGreen};
    for (int i = 0; i < 31; ++i) {
        SCOPED_TRACE("match " + std::to_string(i));
        Result(i, 1, 2);
        host.ops.clear();
        window.PrintWedstrijdRegel(i, 0, 0);
        const TColor expected = i < 24 ? colourOf[groups[i] - 'A'] : kBlack;
        const auto texts = host.Of(DrawOp::Text);
        ASSERT_EQ(texts.size(), 7u); // day, time, two names, dash, two scores
        for (const DrawOp& op : texts) {
            EXPECT_EQ(Rgb(op.color), Rgb(expected)) << "\"" << op.text << "\"";
        }
    }
}

TEST_F(ViewMatchLine, KnockOutMatchWithoutKnownTeamsShowsDayTimeAndDashOnly) {
    // A fresh window has not computed the pairings yet: the final has no teams.
    window.PrintWedstrijdRegel(30, 340, 165);
    EXPECT_EQ(Shown(340, 165), "30");
    EXPECT_EQ(Shown(365, 165), "2000");
    EXPECT_EQ(Shown(520, 165), "-");
    for (int dx : {70, 190})
        if (const DrawOp* name = host.TextAt(340 + dx, 165)) {
            EXPECT_EQ(name->text, "") << "column " << dx;
        }
    for (const DrawOp& op : host.Of(DrawOp::Text)) {
        EXPECT_EQ(Rgb(op.color), Rgb(kBlack));
    }
}

class ViewTimeZone : public ViewTest {
  protected:
    ViewTimeZone() : ViewTest(0) {}
};

TEST_F(ViewTimeZone, FixedZoneCommandsSetTheirOffsetAndRepaint) {
    struct Case {
        int id, offset;
        const char* said; // to a screen reader, which cannot see the times change
    };
    const Case cases[] = {{128, 100, "UTC+1"},  {129, 200, "UTC+2"},  {130, 300, "UTC+3"},
                          {131, -700, "UTC-7"}, {132, -600, "UTC-6"}, {133, -500, "UTC-5"},
                          {134, -400, "UTC-4"}};
    for (const Case& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.id));
        window.TimeZone = 12345;
        host.announced.clear();
        const int before = host.invalidations;
        ASSERT_TRUE(window.HandleCommand(c.id));
        EXPECT_EQ(window.TimeZone, c.offset);
        EXPECT_EQ(host.invalidations, before + 1);
        EXPECT_EQ(window.MoetSaven, 0) << "an offset is not a result";
        EXPECT_EQ(host.announced,
                  std::vector<std::string>{"Kick-off times in " + std::string(c.said) + "."});
    }
}

TEST_F(ViewTimeZone, OtherZoneDialogReadsTheTypedTextAsANumber) {
    struct Case {
        const char* what;
        std::map<int, std::string> typed;
        int button;
        int offset;
        const char* said; // the zone a screen reader is told of; none after Cancel
    };
    const Case cases[] = {
        {"untouched OK sets UTC", {}, IDOK, 0, "UTC"},
        {"minus an hour and a half", {{101, "-130"}}, IDOK, -130, "UTC-1:30"},
        {"letters", {{101, "abc"}}, IDOK, 0, "UTC"},
        {"hours and minutes with a colon", {{101, "5:30"}}, IDOK, 5, "UTC+0:05"},
        {"explicit plus sign", {{101, "+1200"}}, IDOK, 1200, "UTC+12"},
        {"at most five characters are typed", {{101, "-123456"}}, IDOK, -1234, "UTC-12:34"},
        {"cancel keeps the offset", {{101, "300"}}, IDCANCEL, 345, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.TimeZone = 345;
        host.dialogs.clear();
        host.announced.clear();
        const int before = host.invalidations;
        host.ExpectDialog({521, c.typed, c.button});
        ASSERT_TRUE(window.HandleCommand(135));
        ASSERT_EQ(host.dialogs.size(), 1u);
        EXPECT_EQ(host.dialogs[0].texts[101], "0") << "opens with 0, not the current offset";
        EXPECT_EQ(window.TimeZone, c.offset);
        EXPECT_EQ(host.invalidations, before + 1) << "repaints after OK and Cancel alike";
        EXPECT_EQ(window.MoetSaven, 0);
        EXPECT_EQ(host.announced, c.said ? std::vector<std::string>{"Kick-off times in " +
                                                                    std::string(c.said) + "."}
                                         : std::vector<std::string>{});
    }
}

TEST_F(ViewTimeZone, OffsetChangeLeavesUnsavedResultsMarked) {
    window.MoetSaven = 1;
    ASSERT_TRUE(window.HandleCommand(131));
    host.ExpectDialog({521, {{101, "100"}}, IDOK});
    ASSERT_TRUE(window.HandleCommand(135));
    EXPECT_EQ(window.MoetSaven, 1);
}

} // namespace

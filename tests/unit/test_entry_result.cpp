// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture.h"
#include "support/work_dir.h"
#include "views/schedule_hit_test.h"

#include <climits>
#include <string>
#include <vector>

namespace {

constexpr int kResultDialog = 300;
constexpr int kNone = -1;

class EntryHitTest : public WindowTest {
  protected:
    void SetUp() override {
        window.FirstTime = 0;
        window.SchermType = 1;
    }
};

TEST_F(EntryHitTest, ClickInTheScheduleOpensTheMatchOfItsBand) {
    struct Case {
        int x, y;
        int match; // kNone: the click selects nothing
    };
    const Case cases[] = {
        {0, 0, 0},         {340, 20, 1},      {341, 20, 24},     {10, 359, 23},
        {10, 360, 24},     {10, 464, 30},     {10, 465, kNone},  {500, 5, kNone},
        {400, 95, kNone},  {400, 150, kNone}, {341, 14, kNone},  {341, 15, 24},
        {341, 29, 24},     {341, 30, 25},     {341, 45, 26},     {341, 74, 27},
        {341, 75, kNone},  {341, 104, kNone}, {341, 105, 28},    {341, 119, 28},
        {341, 120, 29},    {341, 134, 29},    {341, 135, kNone}, {341, 164, kNone},
        {341, 165, 30},    {341, 179, 30},    {341, 180, kNone}, {2000, 170, 30},
        {341, 245, kNone}, {630, 245, kNone}, {500, 260, kNone}, {630, 270, kNone},
        {341, 270, kNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("click at (" + std::to_string(c.x) + "," + std::to_string(c.y) + ")");
        window.WedstrijdNummer = 7;
        host.dialogs.clear();
        host.invalidations = 0;
        if (c.match != kNone)
            host.ExpectDialog({kResultDialog, {}, IDCANCEL});
        ASSERT_TRUE(window.HandleLButtonDown(0, {c.x, c.y}));
        if (c.match == kNone) {
            EXPECT_TRUE(host.dialogs.empty());
            EXPECT_EQ(window.WedstrijdNummer, 7);
            EXPECT_EQ(host.invalidations, 0);
        } else {
            EXPECT_EQ(host.dialogs.size(), 1u);
            EXPECT_EQ(window.WedstrijdNummer, c.match);
            EXPECT_EQ(host.invalidations, 1) << "repaints after Cancel too";
        }
        EXPECT_TRUE(host.ScriptDone());
    }
}

// A screen reader presses a match line at the centre of the band it is given: every
// pixel of that band, and no pixel just above or below it, must open that match.
TEST_F(EntryHitTest, EachMatchBandIsExactlyWhereItsClicksLand) {
    for (int i = 0; i < 31; ++i) {
        SCOPED_TRACE("match " + std::to_string(i));
        const TRect a = MatchLineArea(i);
        const TPoint inside[] = {{a.left, a.top},
                                 {a.right - 1, a.bottom - 1},
                                 {(a.left + a.right) / 2, (a.top + a.bottom) / 2}};
        for (const TPoint& p : inside)
            EXPECT_EQ(MatchAt(p), i) << p.x << "," << p.y;
        EXPECT_NE(MatchAt({a.left, a.top - 1}), i);
        EXPECT_NE(MatchAt({a.left, a.bottom}), i);
    }
    EXPECT_EQ(MatchLineArea(-1), TRect{});
    EXPECT_EQ(MatchLineArea(31), TRect{});
}

TEST_F(EntryHitTest, ClicksOutsideTheScheduleDoNothing) {
    for (int view : {0, 2, 3}) {
        SCOPED_TRACE("view " + std::to_string(view));
        window.SchermType = view;
        window.WedstrijdNummer = 7;
        ASSERT_TRUE(window.HandleLButtonDown(0, {10, 10}));
        EXPECT_TRUE(host.dialogs.empty());
        EXPECT_EQ(window.WedstrijdNummer, 7);
        EXPECT_EQ(host.invalidations, 0);
    }
}

class EntryResult : public WindowTest {
  protected:
    void SetUp() override { window.FirstTime = 0; }

    // Opens the result dialog for a match with "Match result" and answers it.
    void Enter(int match, std::map<int, std::string> typed, int button = IDOK) {
        window.WedstrijdNummer = match;
        host.ExpectDialog({kResultDialog, std::move(typed), button});
        ASSERT_TRUE(window.HandleCommand(102));
    }
};

TEST_F(EntryResult, DialogShowsTheMatchWithItsLocalKickOff) {
    struct Case {
        int match, timeZone;
        const char* day;
        const char* time;
        const char* stadium;
        const char* team1;
        const char* team2;
    };
    const Case cases[] = {
        {0, 200, "8", "1600", "Wembley, Londen", "England", "Switzerland"},
        {0, -700, "8", "700", "Wembley, Londen", "England", "Switzerland"},
        {0, -130, "8", "1230", "Wembley, Londen", "England", "Switzerland"},
        {0, -1500, "8", "2300-", "Wembley, Londen", "England", "Switzerland"},
        {12, 200, "15", "1615", "Wembley, Londen", "Scotland", "England"},
        // Teams not yet known: the final of a window that has not been painted.
        {30, 700, "30", "100+", "Wembley, Londen", "", ""},
        {30, 600, "30", "2400", "Wembley, Londen", "", ""},
        {25, 200, "22", "1930", "Anfield Road, Liverpool", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("match " + std::to_string(c.match) + " offset " + std::to_string(c.timeZone));
        host.dialogs.clear();
        window.TimeZone = c.timeZone;
        Enter(c.match, {}, IDCANCEL);
        ASSERT_EQ(host.dialogs.size(), 1u);
        auto& shown = host.dialogs[0].texts;
        EXPECT_EQ(shown[301], c.day);
        EXPECT_EQ(shown[302], c.time);
        EXPECT_EQ(shown[303], c.stadium);
        EXPECT_EQ(shown[304], c.team1);
        EXPECT_EQ(shown[305], c.team2);
        EXPECT_EQ(shown[306], "0");
        EXPECT_EQ(shown[307], "0");
    }
}

TEST_F(EntryResult, OkTellsAReaderTheScoreAndWhatItChanged) {
    struct Case {
        int match;
        const char* s1;
        const char* s2;
        const char* said;
    };
    // With no other result: a group's teams in their first order, and the knock-out
    // teams those places and the unplayed matches' rule give.
    const Case cases[] = {
        {0, "2", "1",
         "England 2, Switzerland 1. Group A: England first with 3 points, Netherlands second "
         "with 0 points, Scotland third with 0 points, Switzerland fourth with 0 points."},
        {0, "1", "1",
         "England 1, Switzerland 1. Group A: England first with 1 point, Switzerland second with "
         "1 point."},
        {24, "3", "0", "Bulgaria 3, England 0. Bulgaria through to the semi-finals."},
        {28, "0", "0", "Switzerland 0, Danmark 0. Danmark through to the final."},
        {30, "2", "1", "Portugal 2, Danmark 1. Portugal European Champion 1996."},
    };
    // The tie-breaker's reports stay for the views: working out what to say shows none.
    window.ShowTieBreaker = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE("match " + std::to_string(c.match));
        window.WedstrijdSchema();
        host.announced.clear();
        const TPoel groupBefore = window.PoelA;
        Enter(c.match, {{306, c.s1}, {307, c.s2}});
        EXPECT_EQ(host.announced, std::vector<std::string>{c.said});
        EXPECT_EQ(window.PoelA, groupBefore) << "the window's standings are left alone";
    }
    host.announced.clear();
    Enter(3, {{306, "1"}}, IDCANCEL);
    EXPECT_TRUE(host.announced.empty()) << "Cancel changes nothing to tell";
}

TEST_F(EntryResult, DialogOpensWithTheStoredScores) {
    Result(5, 3, 12);
    Enter(5, {}, IDCANCEL);
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].texts[306], "3");
    EXPECT_EQ(host.dialogs[0].texts[307], "12");
}

TEST_F(EntryResult, TimeTextIsCutToItsFieldForOffsetsFarOutsideADay) {
    struct Case {
        int timeZone;
        const char* time;
    };
    // Full texts: 99039+, -96239-, 2147482647+.
    const Case cases[] = {{99999, "99039"}, {-99999, "-9623"}, {INT_MAX, "21474"}};
    for (const Case& c : cases) {
        SCOPED_TRACE("offset " + std::to_string(c.timeZone));
        host.dialogs.clear();
        window.TimeZone = c.timeZone;
        Enter(0, {}, IDCANCEL);
        ASSERT_EQ(host.dialogs.size(), 1u);
        EXPECT_EQ(host.dialogs[0].texts[302], c.time);
        EXPECT_EQ(host.dialogs[0].texts[301], "8") << "neighbouring fields stay intact";
        EXPECT_EQ(host.dialogs[0].texts[303], "Wembley, Londen");
    }
}

TEST_F(EntryResult, OkStoresTheTypedScoresAsNumbers) {
    struct Case {
        const char* s1;
        const char* s2;
        int score1, score2;
    };
    const Case cases[] = {
        {"3", "1", 3, 1},     {"abc", "x", 0, 0},    {" 3", "0", 3, 0},    {"12a", "7", 12, 7},
        {"255", "0", 255, 0}, {"1234", "5", 123, 5}, {"0", "255", 0, 255}, {"", "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.s1 + "\" \"" + c.s2 + "\"");
        window.WedstrijdSchema();
        Enter(4, {{306, c.s1}, {307, c.s2}});
        EXPECT_EQ(window.Wedstrijd[4].score1, c.score1);
        EXPECT_EQ(window.Wedstrijd[4].score2, c.score2);
        EXPECT_EQ(window.Wedstrijd[4].gespeeld, 1);
        EXPECT_TRUE(host.boxes.empty());
    }
}

TEST_F(EntryResult, UntouchedOkMarksTheMatchPlayedWithTheShownScores) {
    Enter(3, {});
    EXPECT_EQ(window.Wedstrijd[3].score1, 0);
    EXPECT_EQ(window.Wedstrijd[3].score2, 0);
    EXPECT_EQ(window.Wedstrijd[3].gespeeld, 1);
}

TEST_F(EntryResult, OkAdvancesTheCurrentMatchUpToTheFinalAndMarksUnsaved) {
    struct Case {
        int match, next;
    };
    const Case cases[] = {{0, 1}, {12, 13}, {23, 24}, {29, 30}, {30, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE("match " + std::to_string(c.match));
        window.MoetSaven = 0;
        Enter(c.match, {{306, "2"}, {307, "1"}});
        EXPECT_EQ(window.WedstrijdNummer, c.next);
        EXPECT_EQ(window.MoetSaven, 1);
        EXPECT_EQ(window.Wedstrijd[c.match].score1, 2);
        EXPECT_EQ(window.Wedstrijd[c.match].score2, 1);
    }
}

// A view that shows results must not keep the old score after the dialog closes.
TEST_F(EntryResult, MatchResultCommandRepaintsEveryViewThatShowsResults) {
    struct Case {
        int view, invalidations;
    };
    const Case cases[] = {{0, 1}, {1, 1}, {2, 0}, {3, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE("view " + std::to_string(c.view));
        window.SchermType = c.view;
        host.invalidations = 0;
        Enter(6, {{306, "1"}, {307, "1"}});
        EXPECT_EQ(host.invalidations, c.invalidations);
        EXPECT_EQ(window.Wedstrijd[6].gespeeld, 1);
    }
}

TEST_F(EntryResult, CancelChangesNothing) {
    Result(5, 3, 2);
    for (int view : {0, 1}) {
        SCOPED_TRACE("view " + std::to_string(view));
        window.SchermType = view;
        host.invalidations = 0;
        Enter(5, {{306, "7"}, {307, "7"}}, IDCANCEL);
        EXPECT_EQ(window.Wedstrijd[5].score1, 3);
        EXPECT_EQ(window.Wedstrijd[5].score2, 2);
        EXPECT_EQ(window.Wedstrijd[5].gespeeld, 1);
        EXPECT_EQ(window.WedstrijdNummer, 5);
        EXPECT_EQ(window.MoetSaven, 0);
        EXPECT_EQ(host.invalidations, 0);
    }
    Enter(9, {}, IDCANCEL);
    EXPECT_EQ(window.Wedstrijd[9].gespeeld, 0);
}

TEST_F(EntryResult, ClickThenOkStoresAndRepaints) {
    window.SchermType = 1;
    host.ExpectDialog({kResultDialog, {{306, "2"}, {307, "1"}}, IDOK});
    ASSERT_TRUE(window.HandleLButtonDown(0, {10, 80}));
    EXPECT_EQ(window.Wedstrijd[5].score1, 2);
    EXPECT_EQ(window.Wedstrijd[5].score2, 1);
    EXPECT_EQ(window.Wedstrijd[5].gespeeld, 1);
    EXPECT_EQ(window.WedstrijdNummer, 6);
    EXPECT_EQ(window.MoetSaven, 1);
    // The entry's request and the click's own; the toolkit renders them once.
    EXPECT_EQ(host.invalidations, 2);
}

TEST_F(EntryResult, ScoreOutsideOneByteIsRefusedAndNothingIsStored) {
    struct Case {
        const char* s1;
        const char* s2;
    };
    const Case cases[] = {{"-1", "0"}, {"0", "-1"}, {"256", "0"}, {"0", "999"}, {"-99", "-99"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.s1 + "\" \"" + c.s2 + "\"");
        host.boxes.clear();
        window.SchermType = 0;
        host.invalidations = 0;
        window.WedstrijdNummer = 8;
        host.ExpectDialog({kResultDialog, {{306, c.s1}, {307, c.s2}}, IDOK});
        host.ExpectBox("Enter match result", IDOK);
        host.ExpectDialog({kResultDialog, {}, IDCANCEL});
        ASSERT_TRUE(window.HandleCommand(102));
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].style & MB_ICONMASK, MB_ICONEXCLAMATION);
        EXPECT_EQ(host.boxes[0].style & MB_BUTTONMASK, MB_OK);
        EXPECT_EQ(window.Wedstrijd[8].gespeeld, 0);
        EXPECT_EQ(window.Wedstrijd[8].score1, 0);
        EXPECT_EQ(window.Wedstrijd[8].score2, 0);
        EXPECT_EQ(window.WedstrijdNummer, 8);
        EXPECT_EQ(window.MoetSaven, 0);
        EXPECT_EQ(host.invalidations, 0);
        EXPECT_TRUE(host.ScriptDone());
    }
}

TEST_F(EntryResult, RefusedScoreStaysTypedUntilCorrected) {
    window.WedstrijdNummer = 8;
    // The user presses OK twice on "-1" (refused both times, so the text was kept),
    // then corrects only the first field; the second keeps what was typed.
    host.ExpectDialog({kResultDialog, {{306, "-1"}, {307, "2"}}, IDOK});
    host.ExpectBox("Enter match result", IDOK);
    host.ExpectDialog({kResultDialog, {}, IDOK});
    host.ExpectBox("Enter match result", IDOK);
    host.ExpectDialog({kResultDialog, {{306, "1"}}, IDOK});
    ASSERT_TRUE(window.HandleCommand(102));
    EXPECT_EQ(host.boxes.size(), 2u);
    EXPECT_EQ(window.Wedstrijd[8].score1, 1);
    EXPECT_EQ(window.Wedstrijd[8].score2, 2);
    EXPECT_EQ(window.Wedstrijd[8].gespeeld, 1);
    EXPECT_EQ(window.WedstrijdNummer, 9);
    EXPECT_EQ(window.MoetSaven, 1);
}

// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) after typed results, Clear all and saves: the
// results, the current match, the unsaved flag and the status bar after the last step.
TEST_F(EntryResult, UndoAndRedoPutBackResultsAndKnowWhatIsSaved) {
    enum Step {
        Type21,
        Clear,
        Undo,
        Redo,
        Save
    };
    constexpr int kUndo = 136;
    constexpr int kRedo = 137;
    struct Case {
        std::vector<Step> steps;
        int score1, played4, played7; // match 4's first score; whether 4 and 7 are played
        int current, unsaved;
        const char* status; // the last status text
    };
    const Case cases[] = {
        {{Type21, Undo}, 0, 0, 1, 4, 0, "Undone: the result 2-1 of Netherlands - Scotland"},
        {{Type21, Undo, Redo}, 2, 1, 1, 5, 1, "Redone: the result 2-1 of Netherlands - Scotland"},
        {{Type21, Type21, Undo}, 2, 1, 1, 4, 1, "Undone: the result 2-1 of Netherlands - Scotland"},
        {{Clear, Undo}, 0, 0, 1, 4, 0, "Undone: Clear all"},
        {{Type21, Clear, Undo, Undo},
         0,
         0,
         1,
         4,
         0,
         "Undone: the result 2-1 of Netherlands - Scotland"},
        {{Type21, Clear, Undo, Undo, Redo, Redo}, 0, 0, 0, 0, 1, "Redone: Clear all"},
        // Undoing back past a save leaves the results unsaved; redoing to it, saved.
        {{Type21, Save, Undo}, 0, 0, 1, 4, 1, "Undone: the result 2-1 of Netherlands - Scotland"},
        {{Type21, Save, Undo, Redo},
         2,
         1,
         1,
         5,
         0,
         "Redone: the result 2-1 of Netherlands - Scotland"},
        {{Type21, Undo, Save, Redo},
         2,
         1,
         1,
         5,
         1,
         "Redone: the result 2-1 of Netherlands - Scotland"},
        // A new change after an undo drops what could be redone, and the saved state
        // with it.
        {{Type21, Save, Undo, Clear, Redo}, 0, 0, 0, 0, 1, "Nothing to redo"},
        {{Undo}, 0, 0, 1, 4, 0, "Nothing to undo"},
        {{Redo}, 0, 0, 1, 4, 0, "Nothing to redo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("case " + std::to_string(&c - cases));
        const ScopedWorkDir dir;
        TDrawWindow fresh(nullptr);
        host.Attach(fresh);
        fresh.FirstTime = 0;
        fresh.Wedstrijd[7].score1 = 3;
        fresh.Wedstrijd[7].gespeeld = 1;
        fresh.WedstrijdNummer = 4;
        host.statusTexts.clear();
        for (const Step step : c.steps) {
            switch (step) {
            case Type21:
                fresh.WedstrijdNummer = 4;
                host.ExpectDialog({kResultDialog, {{306, "2"}, {307, "1"}}, IDOK});
                ASSERT_TRUE(fresh.HandleCommand(102));
                break;
            case Clear:
                host.ExpectBox("Clear all match results", IDOK);
                ASSERT_TRUE(fresh.HandleCommand(106));
                break;
            case Undo:
                ASSERT_TRUE(fresh.HandleCommand(kUndo));
                break;
            case Redo:
                ASSERT_TRUE(fresh.HandleCommand(kRedo));
                break;
            case Save:
                fresh.CmFileSave();
                break;
            }
        }
        EXPECT_EQ(fresh.Wedstrijd[4].score1, c.score1);
        EXPECT_EQ(fresh.Wedstrijd[4].gespeeld, c.played4);
        EXPECT_EQ(fresh.Wedstrijd[7].gespeeld, c.played7);
        EXPECT_EQ(fresh.WedstrijdNummer, c.current);
        EXPECT_EQ(fresh.MoetSaven, c.unsaved);
        ASSERT_FALSE(host.statusTexts.empty());
        EXPECT_EQ(host.statusTexts.back(), c.status);
        EXPECT_TRUE(host.ScriptDone());
        host.Attach(window);
    }
}

} // namespace

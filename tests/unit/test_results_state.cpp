// SPDX-License-Identifier: GPL-3.0-or-later
// The tournament state of the main window: construction, the reset to the fixed
// schedule, and the clear-all command.

#include "support/fixture.h"
#include "support/tournaments.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class StateTest : public WindowTest {
  protected:
    void ExpectFreshSchedule() {
        for (int m = 0; m < kMatches; ++m) {
            const Game& g = window.Wedstrijd[m];
            EXPECT_EQ(g.datum, schema[m].datum) << "match " << m;
            EXPECT_EQ(g.tijd, schema[m].tijd) << "match " << m;
            EXPECT_EQ(g.stadion, schema[m].stadion) << "match " << m;
            EXPECT_EQ(g.ploeg1, schema[m].ploeg1) << "match " << m;
            EXPECT_EQ(g.ploeg2, schema[m].ploeg2) << "match " << m;
            EXPECT_EQ(g.score1, 0) << "match " << m;
            EXPECT_EQ(g.score2, 0) << "match " << m;
            EXPECT_EQ(g.gespeeld, 0) << "match " << m;
        }
    }

    // Results in all three stages, with the standings computed from them.
    void PlaySomeAndCompute() {
        Result(0, 2, 1);
        Result(12, 0, 2);
        Result(24, 1, 0);
        Result(30, 3, 2);
        window.BerekenStand();
        ASSERT_NE(window.Wedstrijd[24].ploeg1, kNoTeam);
    }
};

TEST_F(StateTest, ConstructionStartsWithoutResultsAndWithDefaults) {
    ExpectFreshSchedule();
    for (int m = kGroupMatches; m < kMatches; ++m) {
        EXPECT_EQ(window.Wedstrijd[m].ploeg1, kNoTeam);
        EXPECT_EQ(window.Wedstrijd[m].ploeg2, kNoTeam);
    }
    for (int t = 0; t < kTeams; ++t) {
        const Team& team = window.Ploeg[t];
        EXPECT_EQ(team.gespeeld | team.gewonnen | team.gelijk | team.verloren | team.punten |
                      team.voor | team.tegen,
                  0)
            << landnaam[t];
    }
    EXPECT_EQ(window.MoetSaven, 0);
    EXPECT_EQ(window.FirstTime, 1);
    EXPECT_EQ(window.ShowTieBreaker, 0);
    EXPECT_EQ(window.WedstrijdNummer, 0);
    EXPECT_EQ(window.SchermType, 0);
    EXPECT_EQ(window.TeamToShow, 0);
    EXPECT_EQ(window.TimeZone, 200);
    EXPECT_FALSE(window.Pen.has_value());
    EXPECT_FALSE(window.Brush.has_value());
}

// Construction does not read korvel.dat; the first paint does.
TEST_F(StateTest, ConstructionDoesNotReadTheResultsFile) {
    std::string pattern = (fs::temp_directory_path() / "korvel-state-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path previous = fs::current_path();
    fs::current_path(pattern);
    {
        std::ofstream out("korvel.dat", std::ios::binary);
        const std::string bytes(93, '\1');
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    TDrawWindow fresh{nullptr};
    fs::current_path(previous);
    fs::remove_all(pattern);
    for (int m = 0; m < kMatches; ++m)
        EXPECT_EQ(fresh.Wedstrijd[m].gespeeld, 0) << "match " << m;
    EXPECT_EQ(fresh.WedstrijdNummer, 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(StateTest, ScheduleResetRemovesResultsAndKnockOutTeams) {
    PlaySomeAndCompute();
    window.WedstrijdSchema();
    ExpectFreshSchedule();
}

// The team figures are derived data: they stay as computed until the next
// standings computation, which then finds nothing.
TEST_F(StateTest, ScheduleResetLeavesTeamFiguresUntilNextComputation) {
    PlaySomeAndCompute();
    window.WedstrijdSchema();
    EXPECT_EQ(window.Ploeg[0].punten, 6);
    EXPECT_EQ(window.Ploeg[0].voor, 4);
    EXPECT_EQ(window.Ploeg[1].verloren, 1);
    window.BerekenStand();
    EXPECT_EQ(window.Ploeg[0].punten, 0);
    EXPECT_EQ(window.Ploeg[0].voor, 0);
    EXPECT_EQ(window.Ploeg[1].verloren, 0);
}

TEST_F(StateTest, ScheduleResetTouchesNoFlagAndDoesNotRepaint) {
    PlaySomeAndCompute();
    window.MoetSaven = 1;
    window.WedstrijdNummer = 13;
    window.ShowTieBreaker = 1;
    window.FirstTime = 0;
    window.WedstrijdSchema();
    EXPECT_EQ(window.MoetSaven, 1);
    EXPECT_EQ(window.WedstrijdNummer, 13);
    EXPECT_EQ(window.ShowTieBreaker, 1);
    EXPECT_EQ(window.FirstTime, 0);
    EXPECT_EQ(host.invalidations, 0);
}

// ---------------------------------------------------------------------------
// Clear all.

constexpr const char* kClearCaption = "Clear all match results";

TEST_F(StateTest, ClearAllAsksWithOkCancelAndStopIcon) {
    host.ExpectBox(kClearCaption, IDCANCEL);
    window.CmEditClear();
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Are you sure?");
    EXPECT_EQ(host.boxes[0].style & MB_BUTTONMASK, MB_OKCANCEL);
    EXPECT_EQ(host.boxes[0].style & MB_ICONMASK, MB_ICONSTOP);
}

class ClearAllCancelled : public StateTest, public ::testing::WithParamInterface<int> {};

TEST_P(ClearAllCancelled, ChangesNothing) {
    PlaySomeAndCompute();
    window.WedstrijdNummer = 13;
    window.MoetSaven = GetParam();
    const auto matches = window.Wedstrijd;
    host.ExpectBox(kClearCaption, IDCANCEL);
    window.CmEditClear();
    for (int m = 0; m < kMatches; ++m) {
        EXPECT_EQ(window.Wedstrijd[m].score1, matches[m].score1) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].score2, matches[m].score2) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].gespeeld, matches[m].gespeeld) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].ploeg1, matches[m].ploeg1) << "match " << m;
        EXPECT_EQ(window.Wedstrijd[m].ploeg2, matches[m].ploeg2) << "match " << m;
    }
    EXPECT_EQ(window.WedstrijdNummer, 13);
    EXPECT_EQ(window.MoetSaven, GetParam());
    EXPECT_EQ(host.invalidations, 0);
}

INSTANTIATE_TEST_SUITE_P(Results, ClearAllCancelled, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param ? "Unsaved" : "Saved"; });

TEST_F(StateTest, ClearAllConfirmedRemovesResultsAndKnockOutTeams) {
    PlaySomeAndCompute();
    host.ExpectBox(kClearCaption, IDOK);
    window.CmEditClear();
    ExpectFreshSchedule();
}

TEST_F(StateTest, ClearAllConfirmedResetsNextMatchAndRepaints) {
    PlaySomeAndCompute();
    window.WedstrijdNummer = 13;
    host.ExpectBox(kClearCaption, IDOK);
    window.CmEditClear();
    EXPECT_EQ(window.WedstrijdNummer, 0);
    EXPECT_EQ(window.MoetSaven, 1);
    EXPECT_EQ(host.invalidations, 1);
}

// Clearing is a change to save even when there was nothing to clear.
TEST_F(StateTest, ClearAllConfirmedWithoutResultsStillMarksUnsaved) {
    ASSERT_EQ(window.MoetSaven, 0);
    host.ExpectBox(kClearCaption, IDOK);
    window.CmEditClear();
    EXPECT_EQ(window.MoetSaven, 1);
    EXPECT_EQ(window.WedstrijdNummer, 0);
    EXPECT_EQ(host.invalidations, 1);
}

TEST_F(StateTest, ClearAllDoesNotTouchTheResultsFile) {
    std::string pattern = (fs::temp_directory_path() / "korvel-clear-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const fs::path previous = fs::current_path();
    fs::current_path(pattern);
    const std::string saved(93, '\2');
    {
        std::ofstream out("korvel.dat", std::ios::binary);
        out.write(saved.data(), static_cast<std::streamsize>(saved.size()));
    }
    PlaySomeAndCompute();
    host.ExpectBox(kClearCaption, IDOK);
    window.CmEditClear();
    std::ifstream in("korvel.dat", std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    fs::current_path(previous);
    fs::remove_all(pattern);
    EXPECT_EQ(after, saved);
}

} // namespace

// Painting ahead draws every page the window may show, from a copy: the window's own
// tournament stays as it was (its standings not yet computed, another view shown), no
// tie-breaker box opens although the user asked to see them, and each page is drawn
// exactly as a paint of that page would draw it.
TEST_F(StateTest, PaintingAheadDrawsEachPageFromACopyAndChangesNothing) {
    TiedTournament(window);
    window.Ploeg = Teams{};
    window.SetGroups(Tournament{}.Groups());
    window.FirstTime = 0;
    window.ShowTieBreaker = 1;
    window.SchermType = kScheduleView;
    window.TimeZone = -500;
    const Tournament before = window.State();
    const auto same = [](const Tournament& a, const Tournament& b) {
        return EncodeResults(a.Wedstrijd) == EncodeResults(b.Wedstrijd) &&
               a.Groups() == b.Groups() && a.SchermType == b.SchermType &&
               a.TeamToShow == b.TeamToShow && a.ShowTieBreaker == b.ShowTieBreaker &&
               a.TimeZone == b.TimeZone && a.Ploeg[0].punten == b.Ploeg[0].punten &&
               a.Wedstrijd[kFinal].ploeg1 == b.Wedstrijd[kFinal].ploeg1;
    };
    const auto texts = [](const std::vector<DrawOp>& ops) {
        std::vector<std::string> drawn;
        for (const DrawOp& op : ops)
            drawn.push_back(std::to_string(op.kind) + " " + std::to_string(op.x) + "," +
                            std::to_string(op.y) + " " + op.text + " " +
                            std::to_string(op.bitmapId));
        return drawn;
    };
    int steps = 0;
    for (bool more = true; more; ++steps) {
        host.ops.clear();
        more = window.PaintAhead(steps);
        EXPECT_TRUE(host.boxes.empty()) << "step " << steps;
        EXPECT_TRUE(same(window.State(), before)) << "step " << steps;

        RecordingHost pageHost;
        TDrawWindow page{nullptr};
        pageHost.Attach(page);
        page.Wedstrijd = before.Wedstrijd;
        page.TimeZone = before.TimeZone;
        page.FirstTime = 0;
        page.SchermType = steps < kTeamView ? steps : kTeamView;
        page.TeamToShow = steps < kTeamView ? 0 : steps - kTeamView;
        page.Paint(true, TRect{});
        EXPECT_EQ(texts(host.ops), texts(pageHost.ops)) << "step " << steps;
    }
    EXPECT_EQ(steps, kTeamView + kTeams);
    EXPECT_FALSE(window.PaintAhead(steps));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fixture.h"
#include "support/work_dir.h"

#include "korvel_version.h"

#include <functional>
#include <optional>
#include <string>

namespace {

constexpr const char* kExitQuestion =
    "Entered results have not been saved\nexit anyway (and lose them)?";

class ShellClosing : public WindowTest {
  protected:
    void SetUp() override { window.FirstTime = 0; }
};

TEST_F(ShellClosing, ExitCommandAsksOnlyWithUnsavedResults) {
    struct Case {
        const char* what;
        int moetSaven;
        std::optional<int> answer; // the exit question's answer, when it is asked
        std::vector<int> quitStatuses;
    };
    const Case cases[] = {
        {"nothing unsaved leaves at once", 0, std::nullopt, {0}},
        {"unsaved, Yes leaves with status 1", 1, IDYES, {1}},
        {"unsaved, No stays", 1, IDNO, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.boxes.clear();
        host.quitStatuses.clear();
        window.MoetSaven = c.moetSaven;
        if (c.answer)
            host.ExpectBox("Exit Korvel", *c.answer);
        ASSERT_TRUE(window.HandleCommand(109));
        EXPECT_EQ(host.quitStatuses, c.quitStatuses);
        ASSERT_EQ(host.boxes.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(host.boxes[0].text, kExitQuestion);
            EXPECT_EQ(host.boxes[0].style & MB_BUTTONMASK, MB_YESNO);
            EXPECT_EQ(host.boxes[0].style & MB_ICONMASK, MB_ICONEXCLAMATION);
        }
        EXPECT_EQ(window.MoetSaven, c.moetSaven) << "leaving never saves";
        EXPECT_TRUE(host.ScriptDone());
    }
}

TEST_F(ShellClosing, CloseQueryAsksOnlyWithUnsavedResults) {
    struct Case {
        const char* what;
        int moetSaven;
        std::optional<int> answer;
        bool mayClose;
    };
    const Case cases[] = {
        {"nothing unsaved", 0, std::nullopt, true},
        {"unsaved, Yes", 1, IDYES, true},
        {"unsaved, No", 1, IDNO, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.boxes.clear();
        window.MoetSaven = c.moetSaven;
        if (c.answer)
            host.ExpectBox("Exit Korvel", *c.answer);
        EXPECT_EQ(window.CanClose(), c.mayClose);
        ASSERT_EQ(host.boxes.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_EQ(host.boxes[0].text, kExitQuestion);
        }
        EXPECT_TRUE(host.quitStatuses.empty()) << "closing the frame asks, it does not quit";
        EXPECT_TRUE(host.ScriptDone());
    }
}

TEST_F(ShellClosing, LeavingAfterClearAllAsks) {
    host.ExpectBox("Clear all match results", IDOK);
    ASSERT_TRUE(window.HandleCommand(106));

    host.ExpectBox("Exit Korvel", IDNO);
    EXPECT_FALSE(window.CanClose());
    host.ExpectBox("Exit Korvel", IDNO);
    ASSERT_TRUE(window.HandleCommand(109));
    EXPECT_TRUE(host.quitStatuses.empty());
}

// The ways out the user is not asked about: a signal, or the desktop session ending.
// Unsaved results go to korvel.dat.unsaved, never to korvel.dat, unless the user
// chose to leave them.
TEST_F(ShellClosing, EndingWithoutTheUsersCloseKeepsUnsavedResultsAside) {
    enum Way {
        Signal,
        SessionAsking,
        SessionSilent,
    };
    struct Case {
        const char* what;
        Way way;
        int moetSaven;
        std::optional<int> answer; // the exit question's answer, when it is asked
        bool ends;                 // the session may end / the signal ends
        int status;                // a signal's exit status
        bool kept;                 // korvel.dat.unsaved holds the results
    };
    const Case cases[] = {
        {"signal, nothing unsaved", Signal, 0, std::nullopt, true, 0, false},
        {"signal, unsaved", Signal, 1, std::nullopt, true, 1, true},
        {"session, nothing unsaved, nothing asked", SessionAsking, 0, std::nullopt, true, 0, false},
        {"session, unsaved, asked, No stays", SessionAsking, 1, IDNO, false, 0, false},
        {"session, unsaved, asked, Yes leaves them", SessionAsking, 1, IDYES, true, 1, false},
        {"session, unsaved, may not ask", SessionSilent, 1, std::nullopt, true, 1, true},
    };
    const Bytes saved(93, 7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedWorkDir dir("korvel-ending");
        RecordingHost fresh;
        TDrawWindow client(nullptr);
        fresh.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
        fresh.Attach(client);
        client.FirstTime = 0;
        WriteBytes(kResultsFile, saved);
        client.Wedstrijd[4].score1 = 3;
        client.Wedstrijd[4].gespeeld = 1;
        client.MoetSaven = c.moetSaven;
        if (c.answer)
            fresh.ExpectBox("Exit Korvel", *c.answer);

        int askedForLeave = 0;
        bool ends = true;
        if (c.way != Signal) {
            ends = client.EndSession([&] {
                ++askedForLeave;
                return c.way == SessionAsking;
            });
        }
        EXPECT_EQ(ends, c.ends);
        EXPECT_EQ(askedForLeave, c.way != Signal && c.moetSaven == 1 ? 1 : 0)
            << "leave to ask is asked for only when there is something to ask";
        if (c.way == Signal) {
            EXPECT_EQ(client.EndAtOnce(), c.status);
        } else if (ends) {
            // After the session has settled them, the frame closes without a question,
            // and the signal that then ends the program writes nothing the user left.
            EXPECT_TRUE(client.CanClose());
            EXPECT_EQ(client.EndAtOnce(), c.status);
        }
        EXPECT_EQ(fresh.boxes.size(), c.answer ? 1u : 0u);
        EXPECT_TRUE(fresh.ScriptDone());
        EXPECT_EQ(ReadBytes(kResultsFile), saved) << "korvel.dat is never written this way";
        EXPECT_EQ(std::filesystem::exists("korvel.dat.unsaved"), c.kept);
        if (c.kept) {
            const ResultBytes expected = EncodeResults(client.Wedstrijd);
            EXPECT_EQ(ReadBytes("korvel.dat.unsaved"), Bytes(expected.begin(), expected.end()));
        }
        EXPECT_EQ(client.MoetSaven, c.moetSaven);
    }
}

TEST_F(ShellClosing, HelpOpensTheHelpFile) {
    ASSERT_TRUE(window.HandleCommand(108));
    EXPECT_EQ(host.helpFiles, std::vector<std::string>{"korvel.hlp"});
    EXPECT_EQ(host.invalidations, 0);
}

TEST_F(ShellClosing, AboutShowsTheVersionWithItsLeadingBlank) {
    host.ExpectDialog({400, {}, IDOK});
    ASSERT_TRUE(window.HandleCommand(103));
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].resId, 400);
    EXPECT_EQ(host.dialogs[0].texts[401], " " KORVEL_VERSION " (Linux)")
        << "names the system it runs on";
    EXPECT_EQ(host.invalidations, 0);
}

// A save that succeeds without touching the disk.
int FakeOpen(const char*, int, mode_t) { return 1000; }
ssize_t FakeWrite(int, const void*, std::size_t size) { return static_cast<ssize_t>(size); }
int FakeOk(int) { return 0; }
int FakeRename(const char*, const char*) { return 0; }
int FakeUnlink(const char*) { return 0; }
const FileOps kFakeDisk{FakeOpen, FakeWrite, FakeOk, FakeOk, FakeRename, FakeUnlink};

class ShellCommands : public WindowTest {
  protected:
    void SetUp() override {
        window.FirstTime = 0;
        window.SetFileOps(kFakeDisk);
    }
};

TEST_F(ShellCommands, EveryCommandReachesItsOwnHandler) {
    struct Case {
        int id;
        const char* handler;
        std::function<void(RecordingHost&, TDrawWindow&)> arrange;
        std::function<void(RecordingHost&, TDrawWindow&)> check;
    };
    using H = RecordingHost;
    using W = TDrawWindow;
    auto nothing = [](H&, W&) {};
    auto teamPage = [](int team) {
        return [team](H&, W& w) {
            EXPECT_EQ(w.TeamToShow, team);
            EXPECT_EQ(w.SchermType, 3);
        };
    };
    auto zone = [](int offset) { return [offset](H&, W& w) { EXPECT_EQ(w.TimeZone, offset); }; };
    const Case cases[] = {
        {101, "save", [](H&, W& w) { w.MoetSaven = 1; },
         [](H&, W& w) { EXPECT_EQ(w.MoetSaven, 0); }},
        {102, "match result",
         [](H& h, W&) {
             h.ExpectDialog({300, {}, IDCANCEL});
         },
         [](H& h, W&) { EXPECT_EQ(h.dialogs.size(), 1u); }},
        {103, "about",
         [](H& h, W&) {
             h.ExpectDialog({400, {}, IDOK});
         },
         [](H& h, W&) { EXPECT_EQ(h.dialogs.size(), 1u); }},
        {104, "schedule", nothing, [](H&, W& w) { EXPECT_EQ(w.SchermType, 1); }},
        {105, "standings", [](H&, W& w) { w.SchermType = 2; },
         [](H&, W& w) { EXPECT_EQ(w.SchermType, 0); }},
        {106, "clear all", [](H& h, W&) { h.ExpectBox("Clear all match results", IDCANCEL); },
         [](H& h, W&) { EXPECT_EQ(h.boxes.size(), 1u); }},
        {107, "stadium map", nothing, [](H&, W& w) { EXPECT_EQ(w.SchermType, 2); }},
        {108, "help", nothing, [](H& h, W&) { EXPECT_EQ(h.helpFiles.size(), 1u); }},
        {109, "exit", nothing, [](H& h, W&) { EXPECT_EQ(h.quitStatuses.size(), 1u); }},
        {110, "tie-breaker switch", nothing, [](H&, W& w) { EXPECT_EQ(w.ShowTieBreaker, 1); }},
        {111, "Netherlands", nothing, teamPage(2)},
        {112, "Portugal", nothing, teamPage(13)},
        {113, "Bulgaria", nothing, teamPage(5)},
        {114, "Croatia", nothing, teamPage(15)},
        {115, "Czech Rep.", nothing, teamPage(9)},
        {116, "Danmark", nothing, teamPage(12)},
        {117, "England", [](H&, W& w) { w.TeamToShow = 7; }, teamPage(0)},
        {118, "France", nothing, teamPage(7)},
        {119, "Germany", nothing, teamPage(8)},
        {120, "Italy", nothing, teamPage(10)},
        {121, "Romenia", nothing, teamPage(6)},
        {122, "Russia", nothing, teamPage(11)},
        {123, "Scotland", nothing, teamPage(3)},
        {124, "Spain", nothing, teamPage(4)},
        {125, "Switzerland", nothing, teamPage(1)},
        {126, "Turkey", nothing, teamPage(14)},
        {127, "previous winners", [](H& h, W&) { h.ExpectBox("Previous Winners", IDOK); },
         [](H& h, W&) { EXPECT_EQ(h.boxes.size(), 1u); }},
        {128, "UTC +1", nothing, zone(100)},
        {129, "UTC +2", [](H&, W& w) { w.TimeZone = 0; }, zone(200)},
        {130, "UTC +3", nothing, zone(300)},
        {131, "UTC -7", nothing, zone(-700)},
        {132, "UTC -6", nothing, zone(-600)},
        {133, "UTC -5", nothing, zone(-500)},
        {134, "UTC -4", nothing, zone(-400)},
        {135, "other time zone",
         [](H& h, W&) {
             h.ExpectDialog({521, {{101, "-345"}}, IDOK});
         },
         zone(-345)},
    };
    ASSERT_EQ(std::size(cases), 35u);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.id) + " " + c.handler);
        RecordingHost h;
        h.onUnexpected = [](const std::string& what) { ADD_FAILURE() << what; };
        TDrawWindow w{nullptr};
        h.Attach(w);
        w.FirstTime = 0;
        w.SetFileOps(kFakeDisk);
        c.arrange(h, w);
        EXPECT_TRUE(w.HandleCommand(c.id));
        c.check(h, w);
        EXPECT_TRUE(h.ScriptDone());
    }
}

TEST_F(ShellCommands, UnknownCommandsFindNoHandler) {
    for (int id : {0, 100, 138, 150, 300, -1}) {
        EXPECT_FALSE(window.HandleCommand(id)) << "command " << id;
        TCommandEnabler enabler(id);
        EXPECT_FALSE(window.HandleCommandEnable(enabler)) << "enable query " << id;
    }
    EXPECT_EQ(host.invalidations, 0);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ShellCommands, OnlyTheTieBreakerItemIsCheckedAndOnlyWhileOn) {
    struct Case {
        int showTieBreaker;
        int check;
    };
    const Case cases[] = {{0, TCommandEnabler::Unchecked}, {1, TCommandEnabler::Checked}};
    for (const Case& c : cases) {
        window.ShowTieBreaker = c.showTieBreaker;
        TCommandEnabler enabler(110);
        enabler.SetCheck(TCommandEnabler::Indeterminate);
        ASSERT_TRUE(window.HandleCommandEnable(enabler));
        EXPECT_EQ(enabler.GetCheck(), c.check) << "switch " << c.showTieBreaker;
    }
    // Every other command has no enable query of its own.
    for (int id = 101; id <= 135; ++id) {
        if (id == 110)
            continue;
        TCommandEnabler enabler(id);
        EXPECT_FALSE(window.HandleCommandEnable(enabler)) << "command " << id;
    }
}

TEST_F(ShellCommands, TieBreakerSwitchFollowsTheCommandWithoutRepainting) {
    ASSERT_TRUE(window.HandleCommand(110));
    TCommandEnabler on(110);
    window.HandleCommandEnable(on);
    EXPECT_EQ(on.GetCheck(), TCommandEnabler::Checked);
    ASSERT_TRUE(window.HandleCommand(110));
    TCommandEnabler off(110);
    window.HandleCommandEnable(off);
    EXPECT_EQ(off.GetCheck(), TCommandEnabler::Unchecked);
    EXPECT_EQ(host.invalidations, 0);
}

} // namespace

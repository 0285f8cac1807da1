// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks.h"

#include "app/window/draw_window.h"
#include "data/results_io.h"
#include "data/tables.h"
#include "dialogs/number_text.h"
#include "dialogs/templates.h"
#include "platform/dialog.h"
#include "platform/files.h"
#include "platform/recording/recording_host.h"
#include "views/kickoff.h"
#include "views/schedule_hit_test.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace korvel_checks {
namespace {

// A failed invariant: where, what, and the values that matter. Built only on
// failure, so the checks cost little in the fuzzing loop.
#define KORVEL_EXPECT(cond, detail)                                                                \
    do {                                                                                           \
        if (!(cond))                                                                               \
            return std::string("checks.cpp:") + std::to_string(__LINE__) + ": " #cond " -- " +     \
                   std::string(detail);                                                            \
    } while (0)

#define KORVEL_RUN(call)                                                                           \
    do {                                                                                           \
        std::string failure_ = (call);                                                             \
        if (!failure_.empty())                                                                     \
            return failure_;                                                                       \
    } while (0)

constexpr int kTieBreakerCaptionLimit = 80; // the report's text buffer, terminator included
constexpr int kTimeField = 6;               // ResultDlgTB::tijd
constexpr int kScoreChars = 3;              // a score field takes three characters
constexpr int kZoneChars = 5;               // the time-zone field takes five
constexpr int kLargestScore = 255;          // one byte of the results file

std::string_view AsText(Bytes bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::int32_t Le32(Bytes bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        if (at + i < bytes.size())
            v |= std::uint32_t{bytes[at + i]} << (8 * i);
    return static_cast<std::int32_t>(v);
}

// The C library's own reading of a decimal number, saturated to 32 bits: what the
// dialogs promise for any text. strtoll stops at the first NUL as the fields do.
std::int32_t ReferenceNumber(std::string_view text) {
    const std::string copy(text.substr(0, std::min(text.size(), text.find('\0'))));
    errno = 0;
    const long long v = std::strtoll(copy.c_str(), nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", static_cast<unsigned char>(c));
            out += hex;
        }
    }
    return out + "\"";
}

// The process's scratch directory for results files, under KORVEL_CHECKS_DIR when
// set, else on a memory file system when there is one: every load and save there goes through the
// real system calls. The name lives in a plain array so that it outlasts the static destructors
// that run before the clean-up at exit.
const char* ScratchDir() {
    static char name[4096];
    static const bool made = [] {
        const char* chosen = std::getenv("KORVEL_CHECKS_DIR");
        std::string base = chosen && *chosen ? chosen : "/dev/shm";
        if (::access(base.c_str(), W_OK) != 0) {
            const char* tmp = std::getenv("TMPDIR");
            base = tmp && *tmp ? tmp : "/tmp";
        }
        const std::string pattern = base + "/korvel-checks.XXXXXX";
        if (pattern.size() >= sizeof name)
            return false;
        std::memcpy(name, pattern.c_str(), pattern.size() + 1);
        if (!::mkdtemp(name))
            return false;
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(name, ec);
        });
        return true;
    }();
    return made ? name : "";
}

// Runs with the scratch directory as the working directory, as the program runs
// in the user's; the caller's directory comes back afterwards.
class InScratchDir {
  public:
    InScratchDir() {
        std::error_code ec;
        previous_ = std::filesystem::current_path(ec);
        entered_ = !ec && *ScratchDir() != '\0' && ::chdir(ScratchDir()) == 0;
    }
    ~InScratchDir() {
        if (entered_)
            std::filesystem::current_path(previous_);
    }
    bool Entered() const { return entered_; }

  private:
    std::filesystem::path previous_;
    bool entered_ = false;
};

bool WriteWholeFile(const char* path, Bytes bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    const bool ok =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

bool Exists(const char* path) { return ::access(path, F_OK) == 0; }

bool SameGame(const Game& a, const Game& b) {
    return a.datum == b.datum && a.tijd == b.tijd && a.stadion == b.stadion &&
           a.ploeg1 == b.ploeg1 && a.ploeg2 == b.ploeg2 && a.score1 == b.score1 &&
           a.score2 == b.score2 && a.gespeeld == b.gespeeld;
}

bool SameTeam(const Team& a, const Team& b) {
    return a.gespeeld == b.gespeeld && a.gewonnen == b.gewonnen && a.gelijk == b.gelijk &&
           a.verloren == b.verloren && a.punten == b.punten && a.voor == b.voor &&
           a.tegen == b.tegen;
}

template <typename T, std::size_t N, typename Same>
bool AllSame(const std::array<T, N>& a, const std::array<T, N>& b, Same same) {
    return std::equal(a.begin(), a.end(), b.begin(), same);
}

// A window on the recording toolkit whose unscripted boxes and dialogs are noted,
// not failed, so that a check can judge them.
struct Session {
    Session() {
        host.onUnexpected = [this](const std::string& what) { unexpected += what + "; "; };
        host.Attach(window);
    }
    RecordingHost host;
    TDrawWindow window{nullptr};
    std::string unexpected;
};

std::string ResultsAfterLoad(Bytes input) {
    const std::size_t whole = std::min(input.size() / kRecordSize, std::size_t{kMatches});

    // A file of another size is named in a box after the welcome box.
    const bool odd = input.size() != kResultsFileSize;
    const std::size_t boxes = odd ? 2 : 1;
    Session s;
    s.host.ExpectBox("Korvel", IDOK);
    if (odd)
        s.host.ExpectBox("Results file not as expected", IDOK);
    s.window.DoFirstTime();
    KORVEL_EXPECT(s.unexpected.empty() && s.host.ScriptDone(), s.unexpected);
    KORVEL_EXPECT(s.host.boxes.size() == boxes, "the welcome box, and an odd size named");
    KORVEL_EXPECT(s.host.boxes[0].style == (MB_OK | MB_ICONINFORMATION), "");
    KORVEL_EXPECT(s.window.FirstTime == 0, "");
    KORVEL_EXPECT(s.window.MoetSaven == 0, "loading leaves the unsaved flag alone");
    KORVEL_EXPECT(s.host.invalidations >= 1, "loading asks for a repaint");

    int expectedNummer = 0;
    int playedGroupMatches = 0;
    for (std::size_t i = 0; i < std::size_t{kMatches}; ++i) {
        const Game& g = s.window.Wedstrijd[i];
        const ScheduleRow& row = schema[i];
        const auto where = [i] { return "match " + std::to_string(i); };
        KORVEL_EXPECT(g.datum == row.datum && g.tijd == row.tijd && g.stadion == row.stadion &&
                          g.ploeg1 == row.ploeg1 && g.ploeg2 == row.ploeg2,
                      where() + ": the schedule is not in the file");
        const bool inFile = i < whole;
        const int s1 = inFile ? input[kRecordSize * i] : 0;
        const int s2 = inFile ? input[kRecordSize * i + 1] : 0;
        const int flag = inFile ? input[kRecordSize * i + 2] : 0;
        KORVEL_EXPECT(g.score1 == s1 && g.score2 == s2 && g.gespeeld == flag,
                      where() + " loaded as " + std::to_string(g.score1) + "," +
                          std::to_string(g.score2) + "," + std::to_string(g.gespeeld));
        if (flag == 1 && static_cast<int>(i) < kFinal)
            expectedNummer = static_cast<int>(i) + 1;
        if (flag == 1 && static_cast<int>(i) < kGroupMatches)
            ++playedGroupMatches;
    }
    KORVEL_EXPECT(s.window.WedstrijdNummer == expectedNummer,
                  "WedstrijdNummer " + std::to_string(s.window.WedstrijdNummer));

    // A match counts as played only when its flag byte is exactly 1.
    s.window.BerekenStand();
    int teamGames = 0;
    for (const Team& t : s.window.Ploeg)
        teamGames += t.gespeeld;
    KORVEL_EXPECT(teamGames == 2 * playedGroupMatches,
                  std::to_string(teamGames) + " team games from " +
                      std::to_string(playedGroupMatches) + " played group matches");

    // Saving writes the whole file, and it reads back as the same results.
    s.window.MoetSaven = 1;
    s.window.CmFileSave();
    KORVEL_EXPECT(s.host.boxes.size() == boxes, "the save reported a failure");
    KORVEL_EXPECT(s.window.MoetSaven == 0, "");
    // The first save keeps a file of another size aside, whole.
    const auto kept = ReadFileHead("korvel.dat~", input.size() + 1);
    KORVEL_EXPECT(!odd ||
                      (kept && std::equal(kept->begin(), kept->end(), input.begin(), input.end())),
                  "the odd file was not kept as korvel.dat~");
    KORVEL_EXPECT(!Exists("korvel.dat.tmp"), "the save left its temporary file");
    const auto saved = ReadFileHead(kResultsFile, 4 * kResultsFileSize);
    KORVEL_EXPECT(saved && saved->size() == kResultsFileSize,
                  "saved " + std::to_string(saved ? saved->size() : 0) + " bytes");
    std::array<Game, kMatches> back{};
    KORVEL_EXPECT(DecodeResults(*saved, back) == kMatches, "");
    for (int i = 0; i < kMatches; ++i) {
        const Game& g = s.window.Wedstrijd[i];
        KORVEL_EXPECT(back[i].score1 == g.score1 && back[i].score2 == g.score2 &&
                          back[i].gespeeld == g.gespeeld,
                      "match " + std::to_string(i) + " changed in the save");
    }

    // And the next run loads exactly what this one had.
    Session next;
    next.host.ExpectBox("Korvel", IDOK);
    next.window.DoFirstTime();
    KORVEL_EXPECT(next.unexpected.empty() && next.host.ScriptDone(), next.unexpected);
    KORVEL_EXPECT(next.window.WedstrijdNummer == s.window.WedstrijdNummer, "");
    for (int i = 0; i < kMatches; ++i) {
        const Game& a = s.window.Wedstrijd[i];
        const Game& b = next.window.Wedstrijd[i];
        KORVEL_EXPECT(a.score1 == b.score1 && a.score2 == b.score2 && a.gespeeld == b.gespeeld,
                      "match " + std::to_string(i) + " differs after reloading the save");
    }
    return {};
}

// The band table of the schedule view, row by row: what each 15-pixel band
// selects, independently of how MatchAt computes it.
int BandAt(TPoint pt) {
    constexpr int kLeftEdge = 340; // x up to here is the left column
    struct Band {
        int top, bottom, match;
    };
    constexpr Band kRightColumn[] = {
        {15, 29, 24},   {30, 44, 25},   {45, 59, 26},   {60, 74, 27},
        {105, 119, 28}, {120, 134, 29}, {165, 179, 30},
    };
    if (pt.x <= kLeftEdge) {
        for (int k = 0; k <= 30; ++k)
            if (pt.y >= 15 * k && pt.y <= 15 * k + 14)
                return k;
        return -1;
    }
    for (const Band& band : kRightColumn)
        if (pt.y >= band.top && pt.y <= band.bottom)
            return band.match;
    return -1;
}

std::string ClickInSchedule(TPoint pt) {
    const int expected = BandAt(pt);
    Session s;
    s.window.FirstTime = 0;
    s.window.SchermType = 1;
    s.window.WedstrijdNummer = 7;
    if (expected >= 0)
        s.host.ExpectDialog({kResultDialog, {}, IDCANCEL});
    const auto games = s.window.Wedstrijd;
    TPoint click = pt;
    s.window.EvLButtonDown(0, click);
    KORVEL_EXPECT(s.unexpected.empty() && s.host.ScriptDone(), s.unexpected);
    if (expected < 0) {
        KORVEL_EXPECT(s.window.WedstrijdNummer == 7 && s.host.invalidations == 0,
                      "a click outside every band changed something");
    } else {
        KORVEL_EXPECT(s.window.WedstrijdNummer == expected, "");
        KORVEL_EXPECT(s.host.invalidations == 1, "a click repaints after Cancel");
    }
    KORVEL_EXPECT(AllSame(s.window.Wedstrijd, games, SameGame) && s.window.MoetSaven == 0,
                  "Cancel stored something");
    return {};
}

// The pieces of a text input separated by '|': the typed time zone, the two typed
// scores.
std::array<std::string_view, 3> Pieces(std::string_view text) {
    std::array<std::string_view, 3> pieces{};
    for (std::string_view& piece : pieces) {
        const std::size_t bar = text.find('|');
        piece = text.substr(0, bar);
        text = bar == std::string_view::npos ? std::string_view{} : text.substr(bar + 1);
    }
    return pieces;
}

std::string DialogsFromText(Bytes input) {
    const auto [zoneText, score1Text, score2Text] = Pieces(AsText(input));
    const int match = input.empty() ? 0 : input[0] % kMatches;

    Session s;
    s.window.FirstTime = 0;
    s.window.SchermType = 1;

    // The free time-zone entry: the field holds five characters.
    s.host.ExpectDialog({kTimeZoneDialog, {{101, std::string(zoneText)}}, IDOK});
    s.window.CmTimeZoneOther();
    KORVEL_EXPECT(s.unexpected.empty() && s.host.ScriptDone(), s.unexpected);
    KORVEL_EXPECT(s.host.dialogs.size() == 1 && s.host.dialogs[0].texts[101] == "0",
                  "the time-zone dialog opens with 0");
    const std::string_view typedZone = zoneText.substr(0, kZoneChars);
    KORVEL_EXPECT(s.window.TimeZone == ReferenceNumber(typedZone),
                  Quote(typedZone) + " gave " + std::to_string(s.window.TimeZone));
    for (const ScheduleRow& row : schema)
        KORVEL_RUN(CheckKickOff(row.tijd, s.window.TimeZone));

    // The result dialog on one match: scores outside 0..255 are refused and the
    // dialog stays open until the user corrects them or cancels.
    const std::string_view typed1 = score1Text.substr(0, kScoreChars);
    const std::string_view typed2 = score2Text.substr(0, kScoreChars);
    const std::int32_t goals1 = ReferenceNumber(typed1);
    const std::int32_t goals2 = ReferenceNumber(typed2);
    const bool refused =
        goals1 < 0 || goals1 > kLargestScore || goals2 < 0 || goals2 > kLargestScore;
    s.window.WedstrijdNummer = match;
    const Game before = s.window.Wedstrijd[match];
    s.host.ExpectDialog(
        {kResultDialog, {{306, std::string(score1Text)}, {307, std::string(score2Text)}}, IDOK});
    if (refused) {
        s.host.ExpectBox("Enter match result", IDOK);
        s.host.ExpectDialog({kResultDialog, {}, IDCANCEL});
    }
    s.window.CmEditResult();
    KORVEL_EXPECT(s.unexpected.empty() && s.host.ScriptDone(),
                  s.unexpected + " scores " + Quote(typed1) + " " + Quote(typed2));
    KORVEL_EXPECT(s.host.dialogs.size() == 2, "");
    auto& shown = s.host.dialogs[1].texts;
    const std::string kickOff = KickOffText(before.tijd, s.window.TimeZone);
    KORVEL_EXPECT(shown[302] == kickOff.substr(0, kTimeField - 1),
                  "time field " + Quote(shown[302]) + " for " + Quote(kickOff));
    KORVEL_EXPECT(shown[306] == std::to_string(before.score1) &&
                      shown[307] == std::to_string(before.score2),
                  "");
    const Game& after = s.window.Wedstrijd[match];
    if (refused) {
        KORVEL_EXPECT(SameGame(after, before) && s.window.MoetSaven == 0 &&
                          s.window.WedstrijdNummer == match,
                      "a refused score changed the match");
    } else {
        KORVEL_EXPECT(after.score1 == goals1 && after.score2 == goals2 && after.gespeeld == 1,
                      "stored " + std::to_string(after.score1) + "-" +
                          std::to_string(after.score2));
        KORVEL_EXPECT(s.window.MoetSaven == 1, "");
        KORVEL_EXPECT(s.window.WedstrijdNummer == std::min(match + 1, kFinal), "");
    }
    return {};
}

std::string GroupsAndKnockOut(const TDrawWindow& w) {
    const std::array<const TPoel*, 4> groups{&w.PoelA, &w.PoelB, &w.PoelC, &w.PoelD};
    std::array<bool, kTeams> qualified{};
    for (int g = 0; g < 4; ++g) {
        TPoel sorted = *groups[g];
        std::sort(sorted.begin(), sorted.end());
        KORVEL_EXPECT((sorted == TPoel{4 * g, 4 * g + 1, 4 * g + 2, 4 * g + 3}),
                      "group " + std::to_string(g) + " is not a permutation of its teams");
        qualified[(*groups[g])[0]] = true;
        qualified[(*groups[g])[1]] = true;
    }
    for (int m = 24; m < kMatches; ++m) {
        const Game& k = w.Wedstrijd[m];
        KORVEL_EXPECT(k.ploeg1 >= 0 && k.ploeg1 <= kNoTeam && k.ploeg2 >= 0 && k.ploeg2 <= kNoTeam,
                      "match " + std::to_string(m) + " has team " + std::to_string(k.ploeg1) + "/" +
                          std::to_string(k.ploeg2));
    }
    // The quarter-finals hold the eight group winners and runners-up, once each;
    // each later round holds one team from each of the two matches that feed it.
    std::array<int, kTeams> seen{};
    for (int m = 24; m <= 27; ++m) {
        for (const int t : {w.Wedstrijd[m].ploeg1, w.Wedstrijd[m].ploeg2}) {
            KORVEL_EXPECT(t < kTeams && qualified[t] && ++seen[t] == 1,
                          "quarter-final " + std::to_string(m) + " has team " + std::to_string(t));
        }
    }
    auto from = [&](int team, int feeder) {
        return team == w.Wedstrijd[feeder].ploeg1 || team == w.Wedstrijd[feeder].ploeg2;
    };
    struct Feed {
        int match, first, second;
    };
    for (const Feed f : {Feed{28, 25, 27}, Feed{29, 24, 26}, Feed{30, 29, 28}}) {
        KORVEL_EXPECT(from(w.Wedstrijd[f.match].ploeg1, f.first) &&
                          from(w.Wedstrijd[f.match].ploeg2, f.second),
                      "match " + std::to_string(f.match) + " is not fed by its matches");
    }
    return {};
}

std::string StandingsFrom(Bytes input) {
    // Byte 0: bit 0 the tie-breaker reports, bit 1 any 32-bit scores and flags
    // (otherwise the byte values a file can hold), bits 2..5 the team page shown,
    // bits 6..7 the view drawn afterwards (standings, schedule, team page, none).
    const std::uint8_t options = input.empty() ? 0 : input[0];
    const bool reports = options & 1;
    const bool wide = options & 2;
    const int team = (options >> 2) & 15;
    constexpr int kViews[] = {0, 1, 3, -1};
    const int view = kViews[(options >> 6) & 3];
    const Bytes rest = input.empty() ? input : input.subspan(1);

    Session s;
    s.window.FirstTime = 0;
    s.window.ShowTieBreaker = reports ? 1 : 0;
    s.window.TeamToShow = team;
    for (int m = 0; m < kMatches; ++m) {
        Game& g = s.window.Wedstrijd[m];
        if (wide) {
            // Scores up to a third of the 32-bit range: a team's three group matches
            // then add up without overflow. Larger ones overflow the engine's sums;
            // the program never holds them, as entry and the file keep to 0..255.
            g.score1 = Le32(rest, 12 * m) / 3;
            g.score2 = Le32(rest, 12 * m + 4) / 3;
            g.gespeeld = Le32(rest, 12 * m + 8);
        } else {
            auto at = [&](std::size_t i) { return i < rest.size() ? rest[i] : std::uint8_t{0}; };
            g.score1 = at(3 * m);
            g.score2 = at(3 * m + 1);
            g.gespeeld = static_cast<std::int8_t>(at(3 * m + 2)); // -1 and other strays too
        }
    }
    if (wide)
        s.window.TimeZone = Le32(rest, 12 * kMatches);

    s.window.BerekenStand();
    KORVEL_RUN(GroupsAndKnockOut(s.window));

    // Reports only when switched on, one beep and one information box per report,
    // each text within its buffer.
    if (!reports) {
        KORVEL_EXPECT(s.host.boxes.empty() && s.host.beeps == 0, "reports while switched off");
    } else {
        KORVEL_EXPECT(static_cast<int>(s.host.boxes.size()) == s.host.beeps, "");
        for (const ShownBox& box : s.host.boxes) {
            KORVEL_EXPECT(box.caption == "TieBreaker wedstrijd" &&
                              box.style == (MB_OK | MB_ICONINFORMATION),
                          box.caption);
            KORVEL_EXPECT(static_cast<int>(box.text.size()) < kTieBreakerCaptionLimit, box.text);
        }
    }

    int playedGroupMatches = 0;
    for (int m = 0; m < kGroupMatches; ++m)
        playedGroupMatches += s.window.Wedstrijd[m].gespeeld == 1;
    int teamGames = 0;
    for (const Team& t : s.window.Ploeg)
        teamGames += t.gespeeld;
    KORVEL_EXPECT(teamGames == 2 * playedGroupMatches, "a match counted without flag 1");

    // With goal figures inside the range where points come first, every group
    // reads in order of points.
    if (!wide) {
        for (const TPoel* poel :
             {&s.window.PoelA, &s.window.PoelB, &s.window.PoelC, &s.window.PoelD}) {
            bool inRange = true;
            for (const int t : *poel) {
                const Team& p = s.window.Ploeg[t];
                inRange =
                    inRange && p.voor - p.tegen >= -49 && p.voor - p.tegen <= 49 && p.voor < 100;
            }
            for (int i = 0; inRange && i < 3; ++i)
                KORVEL_EXPECT(
                    s.window.Ploeg[(*poel)[i]].punten >= s.window.Ploeg[(*poel)[i + 1]].punten,
                    "group " + std::to_string((*poel)[0] / 4) + " out of order of points");
        }
    }

    // The computation keeps nothing between calls: once more gives the same.
    const auto games = s.window.Wedstrijd;
    const auto teams = s.window.Ploeg;
    const std::array<TPoel, 4> groups{s.window.PoelA, s.window.PoelB, s.window.PoelC,
                                      s.window.PoelD};
    const std::size_t boxes = s.host.boxes.size();
    s.window.BerekenStand();
    KORVEL_EXPECT(AllSame(s.window.Wedstrijd, games, SameGame) &&
                      AllSame(s.window.Ploeg, teams, SameTeam),
                  "second run differs");
    KORVEL_EXPECT((std::array<TPoel, 4>{s.window.PoelA, s.window.PoelB, s.window.PoelC,
                                        s.window.PoelD} == groups),
                  "second run orders differently");
    KORVEL_EXPECT(s.host.boxes.size() == 2 * boxes, "second run reports differently");
    for (std::size_t i = 0; i < boxes; ++i)
        KORVEL_EXPECT(s.host.boxes[boxes + i].text == s.host.boxes[i].text, "");

    // The views that compute the standings draw whatever the figures.
    if (view >= 0) {
        s.window.SchermType = view;
        s.host.Render(s.window);
        KORVEL_EXPECT(s.host.openSurfaces == 0, "view " + std::to_string(view) + " leaked");
        KORVEL_EXPECT(!s.host.ops.empty(), "view " + std::to_string(view) + " drew nothing");
    }
    return {};
}

} // namespace

std::string CheckResultsFile(Bytes input) {
    // The codec alone: whole records are taken, the rest stays as it was.
    std::array<Game, kMatches> games{};
    const std::size_t whole = std::min(input.size() / kRecordSize, std::size_t{kMatches});
    KORVEL_EXPECT(DecodeResults(input, games) == static_cast<int>(whole), "");
    const ResultBytes encoded = EncodeResults(games);
    for (std::size_t i = 0; i < kResultsFileSize; ++i)
        KORVEL_EXPECT(encoded[i] == (i < kRecordSize * whole ? input[i] : 0),
                      "byte " + std::to_string(i));

    InScratchDir in;
    KORVEL_EXPECT(in.Entered(), "no scratch directory");
    std::error_code ec;
    std::filesystem::remove("korvel.dat.tmp", ec);
    std::filesystem::remove("korvel.dat~", ec);
    KORVEL_EXPECT(WriteWholeFile(kResultsFile, input), "cannot write the input file");
    return ResultsAfterLoad(input);
}

std::string CheckKickOff(std::int32_t tijd, std::int32_t timeZone) {
    const std::string text = KickOffText(tijd, timeZone);
    const auto where = [&] {
        return Quote(text) + " for " + std::to_string(tijd) + " at " + std::to_string(timeZone);
    };

    // The shape: an optional minus, digits without leading zeros, then the day mark.
    char suffix = 0;
    std::string_view body = text;
    if (body.size() >= 2 && (body.back() == '+' || body.back() == '-')) {
        suffix = body.back();
        body.remove_suffix(1);
    }
    const bool negative = !body.empty() && body[0] == '-';
    const std::string_view digits = body.substr(negative ? 1 : 0);
    KORVEL_EXPECT(!digits.empty() && digits.size() <= 12, where());
    KORVEL_EXPECT(
        std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }),
        where());
    KORVEL_EXPECT(digits == "0" ? !negative : digits[0] != '0', where());

    // Read back, the text is the local time in minutes, less or plus the day it
    // rolled over.
    std::int64_t shown = 0;
    for (const char c : digits)
        shown = shown * 10 + (c - '0');
    shown = negative ? -shown : shown;
    KORVEL_EXPECT(shown % 100 > -60 && shown % 100 < 60, where());
    const std::int64_t shownMinutes = 60 * (shown / 100) + shown % 100;
    const std::int64_t local =
        60 * (std::int64_t{tijd / 100} + timeZone / 100) + tijd % 100 + timeZone % 100;
    if (local > 1440) {
        KORVEL_EXPECT(suffix == '+' && shownMinutes == local - 1440, where());
    } else if (local < 0) {
        KORVEL_EXPECT(suffix == '-' && shownMinutes == local + 1440, where());
    } else {
        KORVEL_EXPECT(suffix == 0 && shownMinutes == local, where());
    }

    // Into the result dialog's field: cut, terminated, and nothing beside it touched.
    constexpr std::size_t kGuard = 8;
    constexpr char kFill = 0x5A;
    std::array<char, kTimeField + 2 * kGuard> buffer;
    buffer.fill(kFill);
    const std::span<char> field(buffer.data() + kGuard, kTimeField);
    CopyToField(field, text);
    KORVEL_EXPECT(
        std::all_of(buffer.begin(), buffer.begin() + kGuard, [](char c) { return c == kFill; }) &&
            std::all_of(buffer.end() - kGuard, buffer.end(), [](char c) { return c == kFill; }),
        "the field overflowed for " + where());
    KORVEL_EXPECT(std::find(field.begin(), field.end(), '\0') != field.end(),
                  "the field is not terminated for " + where());
    KORVEL_EXPECT(FieldText(field) == std::string_view(text).substr(0, kTimeField - 1), where());
    return {};
}

std::string CheckTextRules(Bytes input) {
    const std::string_view text = AsText(input);
    const std::int32_t n = TextToNumber(text);
    KORVEL_EXPECT(n == ReferenceNumber(text), Quote(text) + " read as " + std::to_string(n) +
                                                  ", expected " +
                                                  std::to_string(ReferenceNumber(text)));
    if (input.size() >= 8)
        KORVEL_RUN(CheckKickOff(Le32(input, 0), Le32(input, 4)));
    return DialogsFromText(input);
}

std::string CheckPoint(TPoint pt) {
    const int got = MatchAt(pt);
    KORVEL_EXPECT(got >= -1 && got <= 30, std::to_string(got));
    KORVEL_EXPECT(got == BandAt(pt), "(" + std::to_string(pt.x) + "," + std::to_string(pt.y) +
                                         ") gave " + std::to_string(got) + ", the bands say " +
                                         std::to_string(BandAt(pt)));
    return {};
}

std::string CheckHitTest(Bytes input) {
    // Eight bytes or more: any two 32-bit coordinates; fewer: 16-bit ones near
    // the window, where the bands are.
    TPoint pt;
    if (input.size() >= 8) {
        pt = {Le32(input, 0), Le32(input, 4)};
    } else {
        auto at = [&](std::size_t i) { return i < input.size() ? input[i] : std::uint8_t{0}; };
        pt = {static_cast<std::int16_t>(at(0) | at(1) << 8),
              static_cast<std::int16_t>(at(2) | at(3) << 8)};
    }
    KORVEL_RUN(CheckPoint(pt));
    return ClickInSchedule(pt);
}

std::string CheckStandings(Bytes input) { return StandingsFrom(input); }

std::span<const Target> Targets() {
    static constexpr Target kTargets[] = {
        {"results_file", &CheckResultsFile},
        {"text_rules", &CheckTextRules},
        {"hit_test", &CheckHitTest},
        {"standings", &CheckStandings},
    };
    return kTargets;
}

#undef KORVEL_EXPECT
#undef KORVEL_RUN

} // namespace korvel_checks

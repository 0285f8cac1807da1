// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/disk_state.h"
#include "data/game.h"
#include "data/recovery.h"
#include "data/results_io.h"
#include "data/tables.h"
#include "platform/window.h"

#include <array>
#include <cstdint>
#include <optional>

using TPoel = std::array<std::int32_t, 4>;

// The views, as SchermType holds them.
inline constexpr int kStandingsView = 0;
inline constexpr int kScheduleView = 1;
inline constexpr int kMapView = 2;
inline constexpr int kTeamView = 3;

// The main window: it owns the whole tournament state for the run and has one
// method per command. Its member functions live with the subsystem that owns
// them: the state and the results file in data/, the standings in engine/, the
// views in views/, result entry in dialogs/, the command table in app/.
class TDrawWindow : public TWindow {
  public:
    explicit TDrawWindow(TWindow* parent);
    ~TDrawWindow() override;

    // Tournament state (data/).
    void WedstrijdSchema();

    // Results file (data/).
    void DoFirstTime();
    void CmFileSave();
    void CmEditClear();

    // Standings, tie-breaker and knock-out (engine/).
    void BerekenStand();
    void BerekenPloegScore();
    void SorteerPoel(TPoel& Poel);
    void TieBreaker(int aantal, TPoel& ploegen);
    void CmToggleTieBreaker();
    void CeToggleTieBreaker(TCommandEnabler& ce);

    // Painting and the views (views/).
    void Paint(bool erase, const TRect& rect) override;
    bool PaintAhead(int step) override;
    void SetPen(TColor Kleur, int PenSize);
    void SetBrush(TColor Kleur);
    void CmShowStand();
    void CmShowSchema();
    void CmShowIntro();
    void PrintStand();
    void PrintWinnaar(int T);
    void PrintWedstrijdRegel(int i, int x, int y);
    void PrintSchema();
    void PrintIntro();
    void TekenKaart();
    void TekenLogos();
    void PrintTeamInfo();
    // What a screen reader is told of the view (views/).
    ReadingGuide Reading() const override;
    std::string PictureName(int resId) const override;

    // Time zones (dialogs/).
    void CmUtcMin7();
    void CmUtcMin6();
    void CmUtcMin5();
    void CmUtcMin4();
    void CmUtcPlus1();
    void CmUtcPlus2();
    void CmUtcPlus3();
    void CmTimeZoneOther();

    // Team pages (views/).
    void CmTeamNederland();
    void CmTeamPortugal();
    void CmTeamBulgarije();
    void CmTeamKroatie();
    void CmTeamTsjechie();
    void CmTeamDenemarken();
    void CmTeamEngeland();
    void CmTeamFrankrijk();
    void CmTeamDuitsland();
    void CmTeamItalie();
    void CmTeamRoemenie();
    void CmTeamRusland();
    void CmTeamSchotland();
    void CmTeamSpanje();
    void CmTeamZwitserland();
    void CmTeamTurkije();
    void CmPrintPrevious();

    // Result entry (dialogs/).
    void EvLButtonDown(unsigned modKeys, TPoint& pt);
    void CmEditResult();

    // Results not saved when the program ends without the user's say (data/).
    bool KeepUnsavedResults();
    // Brings the image the keeper writes up to date: called wherever the results or
    // their unsaved mark change.
    void NoteResults();
    UnsavedKeeper* Keeper() override { return &keeper_; }

    // Command table, closing, help and about (app/).
    bool Find(TEventInfo& eventInfo) override;
    bool CanClose() override;
    int EndAtOnce() override;
    bool EndSession(const std::function<bool()>& mayAsk) override;
    void CmFileExit();
    void CmHelp();
    void CmAbout();

    // Where the results file is written; tests replace the file operations to
    // make each step of a save fail in turn.
    void SetFileOps(const FileOps& ops) {
        fileOps_ = &ops;
        keeper_.SetFileOps(ops);
    }

    std::optional<TPen> Pen;
    std::optional<TBrush> Brush;
    std::int32_t MoetSaven = 0;
    std::int32_t FirstTime = 1;
    std::int32_t ShowTieBreaker = 0;
    std::int32_t TeamToShow = 0;
    TPoel PoelA{};
    TPoel PoelB{};
    TPoel PoelC{};
    TPoel PoelD{};
    std::int32_t WedstrijdNummer = 0;
    std::int32_t SchermType = 0;
    std::int32_t TimeZone = 200;
    std::array<Game, kMatches> Wedstrijd{};
    std::array<Team, kTeams> Ploeg{};

  private:
    void LoadResultsFile();
    void OfferUnsavedResults();
    void NoteFileState();
    bool MayReplaceResultsFile();
    bool BackUpOddFile();
    void BerekenKnockOut();
    void ReportTieBreakerMatch(const Game& g);
    void ShowTeam(int team);
    void SetTimeZone(int offset);

    const FileOps* fileOps_;
    UnsavedKeeper keeper_;
    // How the unsaved results were settled as the desktop session ended: the user
    // chose to leave them, or they were kept in the unsaved-results file.
    bool leaveUnsaved_ = false;
    bool unsavedKept_ = false;
    bool endedAtOnce_ = false;
    // korvel.dat as Korvel last read or wrote it, and when; unknown before the start.
    std::optional<FileStamp> known_;
    std::time_t knownAt_ = 0;
    bool savedOnce_ = false;
    // korvel.dat was not 93 bytes: the first Save keeps it as korvel.dat~.
    bool backUpFirst_ = false;
};

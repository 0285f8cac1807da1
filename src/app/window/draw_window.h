// SPDX-License-Identifier: GPL-3.0-or-later
// TDrawWindow, the program's main window, with its members listed by the file of this
// folder that defines them.
#pragma once

#include "data/game.h"
#include "data/result_history.h"
#include "data/results_io.h"
#include "data/tournament.h"
#include "platform/disk_state.h"
#include "platform/files.h"
#include "platform/unsaved_keeper.h"
#include "platform/window.h"

#include <cstdint>
#include <optional>

struct TieBreakerDecisions;

// The main window: it holds the tournament as a value (the base it is built on, so a copy
// of the tournament is a plain slice of the window) and has one method per command. Each
// method is a thin layer over the layers below: it computes with the engine, draws with
// the views, reads and writes with the data layer, and itself shows the boxes and
// dialogs that the user sees. Its member functions are in this folder, a file a concern
// (named in the comments below); the command table, closing and the chances table are
// in app/.
class TDrawWindow : public TWindow, public Tournament {
  public:
    explicit TDrawWindow(TWindow* parent);
    ~TDrawWindow() override;

    // Tournament state (draw_window.cpp).
    void WedstrijdSchema();

    // Results file (results_file.cpp).
    void DoFirstTime();
    void CmFileSave();
    void CmEditClear();
    // Undo and redo of entered results and of Clear all (results_undo.cpp).
    void CmEditUndo();
    void CmEditRedo();

    // Standings, tie-breaker and knock-out (standings.cpp).
    void BerekenStand();
    void BerekenPloegScore();
    void SorteerPoel(TPoel& Poel);
    void TieBreaker(int aantal, TPoel& ploegen);
    void CmToggleTieBreaker();
    void CeToggleTieBreaker(TCommandEnabler& ce);

    // Painting and the views (views.cpp).
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
    // What a screen reader is told of the view (views.cpp).
    ReadingGuide Reading() const override;
    std::string PictureName(int resId) const override;
    // The chances window's table (app/).
    std::unique_ptr<SideTableSource> ChancesTable() override;
    // How many tournaments the chances window plays.
    std::uint64_t ChancesRuns = 1'000'000;
    std::unique_ptr<TWindow> CopyForPainting() const override;
    std::string ViewName() const override;

    // Time zones (timezone.cpp).
    void CmUtcMin7();
    void CmUtcMin6();
    void CmUtcMin5();
    void CmUtcMin4();
    void CmUtcPlus1();
    void CmUtcPlus2();
    void CmUtcPlus3();
    void CmTimeZoneOther();

    // Team pages (views.cpp).
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

    // Result entry (result_entry.cpp).
    void EvLButtonDown(unsigned modKeys, TPoint& pt);
    void CmEditResult();

    // Results not saved when the program ends without the user's say (unsaved_results.cpp).
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
    std::int32_t WedstrijdNummer = 0;

    // The tournament alone, without the window: what a reader of the state copies.
    const Tournament& State() const { return *this; }

  private:
    ResultHistory::State Results() const { return {Wedstrijd, WedstrijdNummer}; }
    // Records the change from before to the results as they are now.
    void RecordChange(ResultHistory::State before, std::string what);
    void PutBack(const ResultHistory::Step* step, bool undoing);
    void OfferUnsavedResults();
    void NoteFileState();
    bool MayReplaceResultsFile();
    bool BackUpOddFile();
    void ReportTieBreakerDecisions(const TieBreakerDecisions& decisions);
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
    ResultHistory history_;
    // korvel.dat as Korvel last read or wrote it, and when; unknown before the start.
    std::optional<FileStamp> known_;
    std::time_t knownAt_ = 0;
    bool savedOnce_ = false;
    // korvel.dat was not 93 bytes: the first Save keeps it as korvel.dat~.
    bool backUpFirst_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chances/simulation.h"
#include "data/tournament.h"

#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QLabel;
class QTableWidget;
class TWindow;

// The chances of the client's tournament in a window of their own beside the frame: a
// table with a bar for each chance, the model named under it. It follows every result
// entered: the simulation runs off the GUI thread, and a newer result cancels a run that
// has not finished.
class ChancesWindow : public QWidget {
  public:
    ChancesWindow(QWidget& frame, const TWindow& client);
    ~ChancesWindow() override;

    // Brings the window up beside the frame, with the chances of the results shown now.
    void ShowBeside();
    // How many tournaments the runs from now on play (a million unless set).
    void SetRuns(std::uint64_t runs) { settings_.runs = runs; }

  private:
    void FollowResults();
    void Start(const Games& games);
    // last: the whole run, not the first look.
    void Show(const ChancesCounts& counts, const Games& games, bool last);

    QWidget& frame_;
    const TWindow& client_;
    QTableWidget* table_;
    QLabel* status_;
    QTimer poll_;
    SimulationSettings settings_;
    std::optional<Games> asked_; // the results of the latest run started
    unsigned run_ = 0;           // the number of that run; older runs are not shown
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::jthread worker_;
};

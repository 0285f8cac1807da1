// SPDX-License-Identifier: GPL-3.0-or-later
// The chances window: each team's chances of the rounds ahead, opened by a key from the
// frame and kept up to date with the results the main window shows.
#pragma once

#include "platform/side_table.h"

#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <thread>

class QLabel;
class QTableWidget;

// The chances in a window of their own beside the frame: the client's table, a bar behind
// each chance, a line under it. It follows what the client shows: the table is computed
// off the GUI thread, each pass shown as it comes, and a newer result cancels a job that
// has not finished.
class ChancesWindow : public QWidget {
  public:
    ChancesWindow(QWidget& frame, std::unique_ptr<SideTableSource> source);
    ~ChancesWindow() override;

    // Brings the window up beside the frame, with the table for what the client shows now.
    void ShowBeside();

  private:
    void FollowClient();
    void Start(SideTableSource::Job job);
    void Show(const SideTable& table);

    QWidget& frame_;
    std::unique_ptr<SideTableSource> source_;
    QTableWidget* table_;
    QLabel* status_;
    QLabel* footer_;
    QTimer poll_;
    unsigned job_ = 0; // the number of the latest job; older jobs are not shown
    std::shared_ptr<std::atomic<bool>> cancel_;
    std::jthread worker_;
};

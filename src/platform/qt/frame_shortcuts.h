// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/frame.h"

#include <QString>

class ChancesWindow;
class QWidget;
class QtWindowHost;

// The frame's keys beside the menus, and the print and export two of them start: Qt's
// print dialog (which also prints to a PDF file), and a save dialog offering PNG, SVG
// and PDF. Both draw the client's current view through the views' own code. One more
// opens the chances window.
class FrameShortcuts {
  public:
    FrameShortcuts(QWidget& frame, const TDecoratedFrame& description, QtWindowHost& host);

  private:
    void Print();
    void Export();
    void ShowChances();
    QString AskFile();
    // Before the first render has run the client has not started up: nothing to show.
    bool ViewDrawn() const;
    void Report(const QString& text, const char* caption);

    QWidget& frame_;
    TWindow& client_;
    QtWindowHost& host_;
    ChancesWindow* chances_ = nullptr; // made at its first use; the frame owns it
};

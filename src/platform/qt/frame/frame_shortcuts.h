// SPDX-License-Identifier: GPL-3.0-or-later
// The keys the frame adds beside its menus: print, print preview, export of the current
// view to a file, and the chances window.
#pragma once

#include "platform/frame.h"

#include <QString>

class ChancesWindow;
class QWidget;
class QtWindowHost;

// The frame's keys beside the menus, and the print and export they start: Qt's print
// dialog (which also prints to a PDF file) and print preview, and a save dialog offering
// PNG at four sizes, SVG and PDF. All draw the client's current view through the views'
// own code, and offer a file in the working folder named after the view. One more
// opens the chances window.
class FrameShortcuts {
  public:
    FrameShortcuts(QWidget& frame, const TDecoratedFrame& description, QtWindowHost& host);

  private:
    void Print();
    void Preview();
    void Export();
    void ShowChances();
    // The file to export to and the chosen PNG scale, or an empty name.
    QString AskFile(int& scale);
    // "korvel-standings.pdf" in the working folder.
    QString SuggestedFile(const char* suffix) const;
    // Before the first render has run the client has not started up: nothing to show.
    bool ViewDrawn() const;
    void Report(const QString& text, const char* caption);

    QWidget& frame_;
    TWindow& client_;
    QtWindowHost& host_;
    ChancesWindow* chances_ = nullptr; // made at its first use; the frame owns it
};

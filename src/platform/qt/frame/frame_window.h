// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on screen: the Qt window that carries the frame's bars and the canvas.
#pragma once

#include "platform/frame.h"
#include "platform/qt/frame/frame_shortcuts.h"
#include "platform/qt/frame/qt_host.h"

#include <QImage>

#include <memory>

class QAction;
class QMainWindow;
class QMenuBar;
class QStatusBar;
class QToolBar;
class QWidget;

// The real frame window built from the program's frame description: menu bar, button
// bar, status bar and the canvas as client area, with the client window attached to
// its Qt host. Usable without a running event loop, so tests drive it offscreen.
//
// Object names for finding things: "frame", "menuBar", "buttonBar", "statusBar",
// "canvas"; every command action carries its command id as data, a button also its
// glyph id in the property "glyph", and a gap in the button bar is a widget named "gap".
class QtFrameWindow {
  public:
    explicit QtFrameWindow(TDecoratedFrame& frame);
    ~QtFrameWindow();
    QtFrameWindow(const QtFrameWindow&) = delete;
    QtFrameWindow& operator=(const QtFrameWindow&) = delete;

    // Fills the screen's available area and takes the keyboard.
    void ShowMaximized();

    QMainWindow& Window() const;
    QMenuBar* MenuBar() const;
    QToolBar* ButtonBar() const;
    QStatusBar* StatusBar() const;
    QWidget* Canvas() const;
    // The menu action of a command, or nullptr.
    QAction* MenuAction(int commandId) const;

    const QImage& CanvasImage() const { return host_.GetCanvas().Image(); }
    QtWindowHost& Host() { return host_; }
    // Runs the queued render, if any, as the event loop would.
    void RunPendingRenders();
    int RenderCount() const { return host_.RenderCount(); }

  private:
    class MainWindow;

    QtWindowHost host_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<FrameShortcuts> shortcuts_;
};

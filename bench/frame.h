// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/draw_app.h"
#include "app/window/draw_window.h"
#include "platform/qt/frame/frame_window.h"

#include <QMainWindow>
#include <QTest>

#include <memory>

// The program's real frame, built as it starts up (menu bar, button bar, status bar,
// canvas, pictures loaded), with the welcome box already behind it; shown on the
// current Qt platform (offscreen when the benchmarks run) unless asked not to, and then
// left idle until it has painted its pages ahead, so that no step of that runs inside
// a measurement.
class BenchFrame {
  public:
    enum Showing {
        Show,
        DoNotShow
    };

    explicit BenchFrame(Showing showing = Show) {
        app_.InitMainWindow();
        Client().FirstTime = 0;
        window_ = std::make_unique<QtFrameWindow>(*app_.GetMainWindow());
        if (showing == DoNotShow)
            return;
        window_->ShowMaximized();
        shown_ = QTest::qWaitForWindowExposed(&window_->Window());
        // The first render, and whatever else showing the window queued.
        window_->RunPendingRenders();
        QCoreApplication::processEvents();
        shown_ = shown_ && QTest::qWaitFor([this] { return window_->Host().WarmedUp(); });
    }
    BenchFrame(const BenchFrame&) = delete;
    BenchFrame& operator=(const BenchFrame&) = delete;

    bool Shown() const { return shown_; }
    TDrawWindow& Client() { return static_cast<TDrawWindow&>(app_.GetMainWindow()->Client()); }
    QtFrameWindow& Window() { return *window_; }

    // One whole render of the current view, as a repaint request gets it: the canvas
    // cleared and the view painted, its standings computed again.
    void Render() {
        window_->Host().Invalidate();
        window_->RunPendingRenders();
    }

  private:
    TDrawApp app_;
    std::unique_ptr<QtFrameWindow> window_;
    bool shown_ = false;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/canvas/canvas.h"
#include "platform/qt/canvas/drawn_items.h"
#include "platform/window.h"

#include <QPointer>

#include <memory>

class HelpViewer;
class QWidget;

// The Qt side of the client window: its canvas, the render loop, message boxes,
// dialogs and help.
//
// Renders never run inside each other: Invalidate() only marks the canvas stale and
// queues one render on the event loop. A request that arrives while a render runs
// (from a message box's own event loop, or from the paint code itself) is queued
// behind it. The widget's paint event only copies the canvas.
class QtWindowHost final : public WindowHost {
  public:
    explicit QtWindowHost(TWindow& client);
    ~QtWindowHost() override;
    QtWindowHost(const QtWindowHost&) = delete;
    QtWindowHost& operator=(const QtWindowHost&) = delete;

    // The widget that shows the canvas, and the frame that modal windows return to.
    void Attach(QWidget* canvasWidget, QWidget* frame);

    // WindowHost.
    int MessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void MessageBeep() override;
    void Invalidate() override;
    void PostQuitMessage(int status) override;
    // Ends the program with the status, without the client's say: from then on no box
    // or dialog opens, and one that is open returns as if closed without a choice.
    void EndNow(int status);
    int ExecuteDialog(TDialog& dialog) override;
    std::unique_ptr<Surface> OpenClientSurface() override;
    void ShowHelp(std::string_view file) override;
    void ShowStatus(std::string_view text) override;
    void Announce(std::string_view text) override;

    const Canvas& GetCanvas() const { return canvas_; }
    TWindow& Client() const { return client_; }
    // What the last render left visible, kept only once a screen reader has asked for
    // the canvas (or the accessibility layer is active as a render begins).
    DrawnItems* Drawn() const { return drawn_.get(); }
    // A reader has asked: records from the next render on, which is requested now.
    void StartReading();
    void LeftButtonDown(QPoint point);

    bool RenderPending() const { return pending_; }
    bool Rendering() const { return rendering_; }
    int RenderCount() const { return renders_; }
    // Runs the queued render now, if there is one and no render is running.
    void RenderNow();
    // The canvas widget has been painted: once the first view is on screen the other
    // pages are painted ahead, a step at a time, whenever the program is idle.
    void CanvasShown();
    bool WarmedUp() const { return warmedUp_; }

    // Called by the canvas surfaces.
    void SurfaceOpened() { ++openSurfaces_; }
    void SurfaceClosed();

    // Gives the keyboard back to the frame after a modal window of its own closed.
    void ReactivateAfterModal();

  private:
    void Post();
    void Render();
    // Shows what a render has drawn so far, before a modal window covers the frame.
    void ShowPartialCanvas();
    QWidget* ModalParent() const;
    void QueueWarmUp(int delayMs);
    void WarmUpStep();

    TWindow& client_;
    Canvas canvas_;
    QPointer<QWidget> widget_;
    QPointer<QWidget> frame_;
    QPointer<HelpViewer> help_;
    bool pending_ = false; // the canvas is stale
    bool posted_ = false;  // a render call is waiting in the event queue
    bool rendering_ = false;
    bool ending_ = false;
    int renders_ = 0;
    int openSurfaces_ = 0;
    std::unique_ptr<DrawnItems> drawn_;
    bool warming_ = false;      // a page is being painted ahead
    bool warmUpQueued_ = false; // its next step is waiting for the event loop
    bool warmedUp_ = false;
    int warmUpStep_ = 0;
};

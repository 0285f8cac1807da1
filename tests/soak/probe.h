// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/window.h"

#include <string>

class QtWindowHost;

// What the soak is told about the client's dealings with its host, as they happen.
class ProbeListener {
  public:
    virtual ~ProbeListener() = default;
    // A message box is about to open / has been answered.
    virtual void BoxOpening(std::string_view caption, std::string_view text, unsigned style,
                            bool rendering) = 0;
    virtual void BoxClosed(int answer) = 0;
    // A dialog from a template is about to open / has closed.
    virtual void DialogOpening(int resId) = 0;
    virtual void DialogClosed(int resId, int result) = 0;
    virtual void QuitRequested(int status) = 0;
    // A render has begun drawing; the listener decides whether it was asked for.
    virtual void RenderBegan(int render) = 0;
    // A modal window opened inside a render came back from a render of its own.
    virtual void NestedRender(std::string_view what) = 0;
};

// Sits between the client window and its Qt host: forwards every call unchanged and
// counts what the render rules are about. Repaint requests and renders are counted
// here rather than inside the host, so that a render the client never asked for shows
// up as one. A render is noticed when it opens its first drawing surface.
class HostProbe final : public WindowHost {
  public:
    HostProbe(QtWindowHost& inner, ProbeListener& listener);

    int MessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void MessageBeep() override;
    void Invalidate() override;
    void PostQuitMessage(int status) override;
    int ExecuteDialog(TDialog& dialog) override;
    std::unique_ptr<Surface> OpenClientSurface() override;
    void ShowHelp(std::string_view file) override;

    long Requests() const { return requests_; }
    long RendersSeen() const { return rendersSeen_; }
    long Beeps() const { return beeps_; }
    long HelpRequests() const { return helpRequests_; }

  private:
    // Called before and after a modal window: while a render waits for a box, no other
    // render may run (it would draw into the canvas the waiting one is drawing on).
    struct RenderState {
        bool rendering;
        int count;
    };
    RenderState Now() const;
    void CheckNotReentered(RenderState before, std::string_view what);

    QtWindowHost& inner_;
    ProbeListener& listener_;
    long requests_ = 0;
    long rendersSeen_ = 0;
    long beeps_ = 0;
    long helpRequests_ = 0;
    int lastRender_ = -1;
};

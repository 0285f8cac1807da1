// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/dialog.h"
#include "platform/window.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// One drawing operation as a test sees it.
struct DrawOp {
    enum Kind {
        Text,
        Line,
        Rect,
        Bitmap
    };
    Kind kind = Text;
    int x = 0, y = 0;   // text and bitmap position, line start, rectangle left-top
    int x2 = 0, y2 = 0; // line end, rectangle right-bottom
    std::string text;
    TColor color; // text colour, or the pen colour of a line or rectangle
    int penWidth = 0;
    TColor brush; // fill of a rectangle
    int bitmapId = 0;
};

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned style;
};

struct ShownDialog {
    int resId;
    std::map<int, std::string> texts; // every control with an id, after set-up
};

// The toolkit for tests: records every drawing operation and answers message
// boxes and dialogs from a script. A box or dialog the script did not expect is
// reported through onUnexpected (tests wire it to a test failure) and answered
// with Cancel or No.
class RecordingHost : public WindowHost {
  public:
    struct DialogAnswer {
        int resId;
        std::map<int, std::string> typed; // edit id -> text the user types
        int button;                       // IDOK or IDCANCEL
    };

    void Attach(TWindow& window) { window.SetHost(this); }

    // Script.
    void ExpectBox(std::string caption, int answer);
    void ExpectDialog(DialogAnswer answer);
    bool ScriptDone() const { return script_.empty(); }

    // Renders the window the way the real toolkit does: one paint, recorded afresh.
    void Render(TWindow& window);

    // WindowHost.
    int MessageBox(std::string_view text, std::string_view caption, unsigned style) override;
    void MessageBeep() override {
        ++beeps;
        events.push_back("beep");
    }
    void Invalidate() override { ++invalidations; }
    void PostQuitMessage(int status) override { quitStatuses.push_back(status); }
    int ExecuteDialog(TDialog& dialog) override;
    std::unique_ptr<Surface> OpenClientSurface() override;
    void ShowHelp(std::string_view file) override { helpFiles.emplace_back(file); }
    void ShowStatus(std::string_view text) override { statusTexts.emplace_back(text); }
    void Announce(std::string_view text) override { announced.emplace_back(text); }

    // What happened.
    std::vector<DrawOp> ops;
    std::vector<ShownBox> boxes;
    std::vector<ShownDialog> dialogs;
    std::vector<int> quitStatuses;
    std::vector<std::string> helpFiles;
    std::vector<std::string> statusTexts;
    std::vector<std::string> announced; // what a screen reader was told
    int beeps = 0;
    int invalidations = 0;
    int openSurfaces = 0; // surfaces not yet released
    // Order of boxes and beeps, for tests that care about it ("beep", "box:<caption>").
    std::vector<std::string> events;

    std::function<void(const std::string&)> onUnexpected;

    // Helpers for assertions.
    const DrawOp* FindText(std::string_view text) const;
    const DrawOp* TextAt(int x, int y) const;
    std::vector<DrawOp> Of(DrawOp::Kind kind) const;

  private:
    struct Step {
        bool isBox;
        std::string caption;
        int answer;
        DialogAnswer dialog;
    };
    void Unexpected(const std::string& what);

    std::deque<Step> script_;
};

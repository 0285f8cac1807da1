// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its host: the toolkit-free TWindow the program's windows derive from,
// the WindowHost each toolkit implements, and the response tables that route commands.
#pragma once

#include "platform/color.h"
#include "platform/gdi.h"
#include "platform/reading.h"
#include "platform/side_table.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class TDialog;
class UnsavedKeeper;

// Message box styles and answers: a button set and an icon, or-ed together.
inline constexpr unsigned MB_OK = 0x00;
inline constexpr unsigned MB_OKCANCEL = 0x01;
inline constexpr unsigned MB_YESNO = 0x04;
inline constexpr unsigned MB_BUTTONMASK = 0x0F;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_ICONMASK = 0xF0;
// Escape and the close box answer IDCANCEL, not the second button's answer: for a
// question whose answers both act, where closing it must do neither.
inline constexpr unsigned MB_ESCAPEUNANSWERED = 0x100;

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// The help viewer's "show the contents" command.
inline constexpr unsigned HELP_CONTENTS = 3;

// Everything a window needs from the windowing toolkit apart from drawing
// primitives. The Qt implementation runs the program; the recording one lets
// the tests drive the program without a display.
class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // Modal; returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(std::string_view text, std::string_view caption, unsigned style) = 0;
    virtual void MessageBeep() = 0;
    // Invalidate the whole client area with erasing; the toolkit renders once, later.
    virtual void Invalidate() = 0;
    // Ends the message loop; the status becomes the process exit status.
    virtual void PostQuitMessage(int status) = 0;
    // Runs the dialog modally; returns IDOK or IDCANCEL.
    virtual int ExecuteDialog(TDialog& dialog) = 0;
    virtual std::unique_ptr<Surface> OpenClientSurface() = 0;
    // Shows the contents of a help file; a missing file is the viewer's to report.
    virtual void ShowHelp(std::string_view file) = 0;
    // A short note in the frame's status bar; a toolkit without one lets it go.
    virtual void ShowStatus(std::string_view /*text*/) {}
    // Tells a listening screen reader, once, what a command has just changed; shows
    // nothing. A host without a reader lets it pass.
    virtual void Announce(std::string_view /*text*/) {}
};

// Checks and enables a menu item or button while the toolkit updates it.
class TCommandEnabler {
  public:
    enum {
        Unchecked = 0,
        Checked = 1,
        Indeterminate = 2
    };
    explicit TCommandEnabler(int id) : id_(id) {}
    int GetId() const { return id_; }
    void Enable(bool enable = true) { enabled_ = enable; }
    void SetCheck(int state) { check_ = state; }
    bool IsEnabled() const { return enabled_; }
    int GetCheck() const { return check_; }

  private:
    int id_;
    bool enabled_ = true;
    int check_ = Unchecked;
};

enum class TMsg {
    LButtonDown,
    Command,
    CommandEnable
};

// The arguments a response-table handler may take.
struct TEventArgs {
    unsigned modKeys = 0;
    TPoint point;
    TCommandEnabler* enabler = nullptr;
};

class TWindow;
using TResponseThunk = void (*)(TWindow&, TEventArgs&);

struct TResponseEntry {
    TMsg msg;
    int id; // command id; 0 for window messages
    TResponseThunk thunk;
};

// What a window's response table is asked for; Find fills in the entry.
struct TEventInfo {
    TMsg msg;
    int id = 0;
    const TResponseEntry* entry = nullptr;
};

class TWindow {
  public:
    explicit TWindow(TWindow* parent = nullptr, const char* title = nullptr);
    virtual ~TWindow();
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;

    // Draws the whole client area; erase and rect are informational.
    virtual void Paint(bool erase, const TRect& rect);
    // Draws, in idle time, one more of the pages a later paint may show, so that the
    // toolkit can prepare what they need (pictures, texts) before they are asked for.
    // The toolkit calls it with steps 0, 1, 2, ... on a surface that shows nothing,
    // until it returns false. It must change nothing a later paint depends on and open
    // no box.
    virtual bool PaintAhead(int step);
    // Asked before the frame closes by any way other than a quit request.
    virtual bool CanClose();
    // A signal ends the program: whatever would be lost must be kept somewhere
    // safe first, without asking. Returns the exit status.
    virtual int EndAtOnce();
    // What would be lost, kept ready for an end that cannot wait for the main loop: a
    // signal handler or an exit hook writes it. Null when nothing is ever at stake.
    virtual UnsavedKeeper* Keeper() { return nullptr; }
    // The desktop session ends. mayAsk is asked only when there is something to ask
    // about (asking for leave to ask holds the session up): if it allows, a box may
    // ask the user, and false asks the session to stay; if not, whatever would be
    // lost must be kept somewhere safe.
    virtual bool EndSession(const std::function<bool()>& mayAsk);
    // Looks an event up in the window's response table; false when it has none.
    virtual bool Find(TEventInfo& eventInfo);
    // For screen readers: how the view drawn last reads, and what a picture shows (an
    // empty name for a picture that only decorates). Asked only while one listens.
    virtual ReadingGuide Reading() const { return {}; }
    virtual std::string PictureName(int /*resId*/) const { return {}; }
    // The table of chances for what the window shows, for a window of its own; none for
    // a window that has none.
    virtual std::unique_ptr<SideTableSource> ChancesTable() { return nullptr; }
    // A window that paints what this one shows now, for export and print, so that
    // drawing it neither borrows this window nor changes anything here; none for a window
    // that cannot be copied.
    virtual std::unique_ptr<TWindow> CopyForPainting() const { return nullptr; }
    // A short name of the view shown, for the names of files made from it ("standings").
    virtual std::string ViewName() const { return "view"; }

    // Routing used by the toolkit; each returns false when no handler exists.
    bool HandleCommand(int id);
    bool HandleCommandEnable(TCommandEnabler& enabler);
    bool HandleLButtonDown(unsigned modKeys, TPoint point);

    int MessageBox(const char* text, const char* caption, unsigned style = MB_OK);
    void MessageBeep();
    void Invalidate();
    void Announce(std::string_view text);
    void PostQuitMessage(int status);
    void WinHelp(const char* helpFile, unsigned command, unsigned long data);
    void ShowStatus(std::string_view text);

    WindowHost* Host() const { return host_; }
    void SetHost(WindowHost* host) { host_ = host; }
    TWindow* Parent() const { return parent_; }
    const std::string& Title() const { return title_; }

  private:
    TWindow* parent_;
    std::string title_;
    WindowHost* host_ = nullptr;
};

// Response-table thunks: a table entry names a member function of a concrete
// window class and is still a constant expression.
template <class W, void (W::*Handler)()> void CommandThunk(TWindow& window, TEventArgs&) {
    (static_cast<W&>(window).*Handler)();
}

template <class W, void (W::*Handler)(TCommandEnabler&)>
void EnablerThunk(TWindow& window, TEventArgs& args) {
    (static_cast<W&>(window).*Handler)(*args.enabler);
}

template <class W, void (W::*Handler)(unsigned, TPoint&)>
void MouseThunk(TWindow& window, TEventArgs& args) {
    (static_cast<W&>(window).*Handler)(args.modKeys, args.point);
}

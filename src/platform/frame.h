// SPDX-License-Identifier: GPL-3.0-or-later
// The frame window as the program describes it to the toolkit: menus, hints,
// accelerators, extra keys, the button and status bars, and the application that runs it.
#pragma once

#include "platform/window.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A menu as the resources describe it: "&" marks the mnemonic letter.
struct MenuItem {
    enum Kind {
        Command,
        Separator,
        Popup
    };
    Kind kind;
    std::string_view text;
    int id;                          // command id; 0 for separators and popups
    std::span<const MenuItem> items; // a popup's items
};

// A string table entry: the status-bar hint of the command with the same id.
struct HintString {
    int id;
    std::string_view text;
};

struct Accelerator {
    enum Modifier {
        None = 0,
        Alt = 1,
        Ctrl = 2,
        Shift = 4
    };
    int functionKey; // F1 = 1 ... F12 = 12
    unsigned modifiers;
    int commandId;
};

// A key the frame answers without a menu item or button, so the menus stay as they are:
// it sends a command, has the toolkit print or export the client's current view, or opens
// the window of the chances of the client's tournament.
struct FrameShortcut {
    enum Action {
        Command,
        Print,
        PrintPreview,
        Export,
        Chances
    };
    std::string_view keys; // "F1", "Ctrl+S": the portable text of a key combination
    Action action;
    int commandId; // the command a Command key sends
};

// One slot of the button bar: a button whose glyph has the command's id, or a gap.
struct TGadget {
    enum Kind {
        Button,
        Separator
    };
    Kind kind;
    int glyphId;   // bitmap resource of a button
    int commandId; // command a button sends
    int size;      // width of a separator in pixels
};

constexpr TGadget TButtonGadget(int glyphId, int commandId) {
    return {TGadget::Button, glyphId, commandId, 0};
}
constexpr TGadget TSeparatorGadget(int size) { return {TGadget::Separator, 0, 0, size}; }

// A one-line bar at the bottom that shows hint texts.
struct TStatusBar {};

class TControlBar {
  public:
    enum HintMode {
        NoHints,
        PressHints,
        EnterHints
    };
    void Insert(const TGadget& gadget) { gadgets_.push_back(gadget); }
    void SetHintMode(HintMode mode) { hintMode_ = mode; }
    std::span<const TGadget> Gadgets() const { return gadgets_; }
    HintMode GetHintMode() const { return hintMode_; }

  private:
    std::vector<TGadget> gadgets_;
    HintMode hintMode_ = PressHints;
};

// The frame window: title, icon, menu, bars and the client window. The toolkit
// turns this description into a real window when the application runs.
class TDecoratedFrame {
  public:
    enum Location {
        Top,
        Bottom
    };

    TDecoratedFrame(TWindow* parent, std::string_view title, std::unique_ptr<TWindow> client,
                    bool trackMenuSelection);

    void SetIcon(int resId) { iconId_ = resId; }
    void Insert(TStatusBar bar, Location) {
        statusBar_ = bar;
        hasStatusBar_ = true;
    }
    void Insert(TControlBar bar, Location) {
        controlBar_ = std::move(bar);
        hasControlBar_ = true;
    }
    void AssignMenu(std::span<const MenuItem> menu) { menu_ = menu; }
    void SetHints(std::span<const HintString> hints) { hints_ = hints; }
    void SetAccelerators(std::span<const Accelerator> accelerators) {
        accelerators_ = accelerators;
    }

    void SetShortcuts(std::span<const FrameShortcut> shortcuts) { shortcuts_ = shortcuts; }

    const std::string& Title() const { return title_; }
    TWindow& Client() const { return *client_; }
    int IconId() const { return iconId_; }
    bool TracksMenuSelection() const { return trackMenuSelection_; }
    std::span<const MenuItem> Menu() const { return menu_; }
    const TControlBar* ControlBar() const { return hasControlBar_ ? &controlBar_ : nullptr; }
    const TStatusBar* StatusBar() const { return hasStatusBar_ ? &statusBar_ : nullptr; }
    std::span<const Accelerator> Accelerators() const { return accelerators_; }
    std::span<const FrameShortcut> Shortcuts() const { return shortcuts_; }
    // The hint of a command, or empty when it has none.
    std::string_view Hint(int id) const;

  private:
    std::string title_;
    std::unique_ptr<TWindow> client_;
    bool trackMenuSelection_;
    int iconId_ = 0;
    std::span<const MenuItem> menu_;
    std::span<const HintString> hints_;
    std::span<const Accelerator> accelerators_;
    std::span<const FrameShortcut> shortcuts_;
    TStatusBar statusBar_;
    TControlBar controlBar_;
    bool hasStatusBar_ = false;
    bool hasControlBar_ = false;
};

// The application: builds its frame in InitMainWindow; Run shows it and runs the
// message loop until a quit request or the frame closes, and returns the exit status.
// Run is defined by the toolkit implementation that the program links.
class TApplication {
  public:
    virtual ~TApplication();
    int Run();
    virtual void InitMainWindow() = 0;

    void SetMainWindow(std::unique_ptr<TDecoratedFrame> frame) { frame_ = std::move(frame); }
    TDecoratedFrame* GetMainWindow() const { return frame_.get(); }

  private:
    std::unique_ptr<TDecoratedFrame> frame_;
};

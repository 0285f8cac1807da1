// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the frame together from its resources (menus, hints, keys, button bar) with the
// main window as client, and loads the pictures before the first paint.
#include "app/draw_app.h"

#include "app/command_ids.h"
#include "app/frame_resources.h"
#include "app/window/draw_window.h"
#include "views/pictures.h"

void TDrawApp::InitMainWindow() {
    auto client = std::make_unique<TDrawWindow>(nullptr);
    auto frame = std::make_unique<TDecoratedFrame>(nullptr, "Korvel", std::move(client), true);
    frame->SetIcon(kIconId);

    TStatusBar statusBar;
    TControlBar controlBar;
    for (const TGadget& gadget : ButtonBar())
        controlBar.Insert(gadget);
    controlBar.SetHintMode(TControlBar::EnterHints);

    frame->Insert(statusBar, TDecoratedFrame::Bottom);
    frame->Insert(std::move(controlBar), TDecoratedFrame::Top);
    frame->SetHints(HintStrings());
    frame->SetAccelerators(Accelerators());
    frame->SetShortcuts(FrameShortcuts());
    frame->AssignMenu(MainMenu());
    SetMainWindow(std::move(frame));

    // Before the window exists, so that every picture is there at the first paint.
    LoadPictures();
}

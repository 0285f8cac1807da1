// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's ways out: closing with the exit question, ending at once on a signal
// or with the desktop session, and the Exit, Help and About commands.
#include "app/window/draw_window.h"
#include "dialogs/about_dlg.h"

namespace {

constexpr const char* kExitQuestion =
    "Entered results have not been saved\nexit anyway (and lose them)?";

bool ConfirmExit(TWindow& window) {
    return window.MessageBox(kExitQuestion, "Exit Korvel", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

} // namespace

// A session that is ending closes the frame after it has settled the unsaved results.
bool TDrawWindow::CanClose() {
    return MoetSaven != 1 || leaveUnsaved_ || unsavedKept_ || ConfirmExit(*this);
}

int TDrawWindow::EndAtOnce() {
    endedAtOnce_ = true;
    if (MoetSaven != 1)
        return 0;
    if (!leaveUnsaved_)
        KeepUnsavedResults();
    return 1;
}

// The user answers the exit question as at any other close, and "Yes" leaves the
// results as it does there. When nothing may be asked they are kept for the next start.
bool TDrawWindow::EndSession(const std::function<bool()>& mayAsk) {
    if (MoetSaven != 1 || leaveUnsaved_)
        return true;
    if (!mayAsk()) {
        KeepUnsavedResults();
        return true;
    }
    if (!ConfirmExit(*this))
        return false;
    leaveUnsaved_ = true;
    NoteResults();
    return true;
}

void TDrawWindow::CmFileExit() {
    if (MoetSaven != 1)
        PostQuitMessage(0);
    else if (ConfirmExit(*this))
        PostQuitMessage(1);
}

void TDrawWindow::CmHelp() { WinHelp("korvel.hlp", HELP_CONTENTS, 0); }

void TDrawWindow::CmAbout() {
    char tb[40];
    CopyToField(tb, kVersionText);
    AboutDlg dialog(tb, this, kAboutDialog);
    dialog.Execute();
}

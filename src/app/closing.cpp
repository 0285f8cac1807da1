#include "data/draw_window.h"
#include "dialogs/about_dlg.h"

namespace {

constexpr const char* kExitQuestion =
    "Entered results have not been saved\nexit anyway (and lose them)?";

bool ConfirmExit(TWindow& window) {
    return window.MessageBox(kExitQuestion, "Exit Korvel", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

} // namespace

bool TDrawWindow::CanClose() { return MoetSaven != 1 || ConfirmExit(*this); }

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
    AboutDlg dialog(tb, this, kAboutDialog, nullptr);
    dialog.Execute();
}

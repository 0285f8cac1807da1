// SPDX-License-Identifier: GPL-3.0-or-later
// The time zone commands: the fixed offsets of the menu and the dialog for any other.
#include "app/window/draw_window.h"
#include "dialogs/number_text.h"
#include "dialogs/templates.h"
#include "dialogs/tzone_dlg.h"
#include "views/kickoff.h"

void TDrawWindow::SetTimeZone(int offset) {
    TimeZone = offset;
    Invalidate();
    Announce("Kick-off times in " + ZoneText(TimeZone) + ".");
}

void TDrawWindow::CmUtcMin7() { SetTimeZone(-700); }
void TDrawWindow::CmUtcMin6() { SetTimeZone(-600); }
void TDrawWindow::CmUtcMin5() { SetTimeZone(-500); }
void TDrawWindow::CmUtcMin4() { SetTimeZone(-400); }
void TDrawWindow::CmUtcPlus1() { SetTimeZone(100); }
void TDrawWindow::CmUtcPlus2() { SetTimeZone(200); }
void TDrawWindow::CmUtcPlus3() { SetTimeZone(300); }

void TDrawWindow::CmTimeZoneOther() {
    char buffer[20] = "0";
    int result;
    {
        TZoneDlg dialog(buffer, this, kTimeZoneDialog);
        result = dialog.Execute();
    }
    if (result == IDOK) {
        TimeZone = TextToNumber(FieldText(buffer));
        Announce("Kick-off times in " + ZoneText(TimeZone) + ".");
    }
    Invalidate();
}

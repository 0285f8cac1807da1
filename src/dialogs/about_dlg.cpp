// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_dlg.h"

AboutDlg::AboutDlg(const char* tb, TWindow* parent, int resId)
    : TDialog(parent, *FindTemplate(resId)) {
    CopyToField(buffer, tb ? tb : "");
}

AboutDlg::~AboutDlg() = default;

void AboutDlg::SetupWindow() {
    tVERSION = BindStatic(401, 40);
    TDialog::SetupWindow();
    tVERSION->SetText(FieldText(buffer));
}

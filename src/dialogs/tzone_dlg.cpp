// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/tzone_dlg.h"

#include "dialogs/templates.h"

TZoneDlg::TZoneDlg(std::span<char> tb, TWindow* parent, int resId)
    : TDialog(parent, *FindTemplate(resId)) {
    tZONE = BindEdit(101, 6);
    CopyToField(buffer, FieldText(tb));
    SetTransferBuffer(tb);
}

TZoneDlg::~TZoneDlg() = default;

void TZoneDlg::SetupWindow() {
    TDialog::SetupWindow();
    tZONE->SetText(FieldText(buffer));
}

std::string TZoneDlg::FieldName(int id) const { return id == 101 ? "UTC plus or minus" : ""; }

std::string TZoneDlg::FieldDescription(int id) const {
    return id == 101 ? "+100 for UTC + 1 hour, -130 for UTC minus one hour 30 minutes" : "";
}

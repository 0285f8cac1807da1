// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class TDialog;

// Runs a dialog modally from its template: the controls are placed by converting the
// dialog units with the dialog font's metrics. Returns IDOK or IDCANCEL.
int RunTemplateDialog(TDialog& dialog, QWidget* parent);
